#include "project/files/byte_stream.h"

#include "platform/text.h"

namespace project {

void ByteWriter::word(int v) {
  byte(v);
  byte(v >> 8);
}

void ByteWriter::dword(std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int shift = 0; shift < 32; shift += 8) byte(static_cast<int>(u >> shift));
}

void ByteWriter::line(std::string_view text) {
  out_ += text.substr(0, text.find_first_of("\r\n"));
  out_ += '\n';
}

void ByteReader::fail(std::string_view what) {
  if (!ok_) return;
  ok_ = false;
  error_ = text::format("%s at byte %zu", std::string(what).c_str(), pos_);
}

bool ByteReader::take(size_t n, std::string_view what) {
  if (!ok_) return false;
  if (in_.size() - pos_ < n) {
    fail(std::string("the file ends inside ") + std::string(what));
    return false;
  }
  return true;
}

int ByteReader::byte() {
  if (!take(1, "a byte")) return 0;
  return static_cast<unsigned char>(in_[pos_++]);
}

int ByteReader::word() {
  if (!take(2, "a 16-bit number")) return 0;
  auto lo = static_cast<unsigned char>(in_[pos_]);
  auto hi = static_cast<unsigned char>(in_[pos_ + 1]);
  pos_ += 2;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

std::int32_t ByteReader::dword() {
  if (!take(4, "a 32-bit number")) return 0;
  std::uint32_t u = 0;
  for (int i = 3; i >= 0; --i)
    u = (u << 8) | static_cast<unsigned char>(in_[pos_ + static_cast<size_t>(i)]);
  pos_ += 4;
  return static_cast<std::int32_t>(u);
}

std::string ByteReader::line(size_t max) {
  if (!ok_) return {};
  auto lf = in_.find('\n', pos_);
  if (lf == std::string_view::npos) {
    fail("the file ends inside a text line");
    return {};
  }
  std::string_view text = in_.substr(pos_, lf - pos_);
  pos_ = lf + 1;
  // The writer ends every text at its first line break, so a stored line
  // ends at a CR too (a file carried through a text-mode copy has CR LF):
  // what was read is what a save writes back, never a longer name.
  text = text.substr(0, text.find('\r'));
  return std::string(text.substr(0, max));
}

}  // namespace project
