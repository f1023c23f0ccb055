#include "tools/helpc/hlp/bytes.h"

#include <algorithm>

namespace hlp {

void Bytes::fixed(std::string_view s, std::size_t n) {
  s = s.substr(0, n);
  out_.append(s);
  zeros(n - s.size());
}

void Bytes::packed_u16(std::uint32_t v) {
  v = std::min<std::uint32_t>(v, 0x7FFF);
  if (v < 0x80) {
    u8(v * 2);
  } else {
    u16(v * 2 + 1);
  }
}

void Bytes::packed_i16(std::int32_t v) {
  v = std::clamp<std::int32_t>(v, -0x4000, 0x3FFF);
  if (v >= -0x40 && v < 0x40) {
    u8(static_cast<std::uint32_t>(v + 0x40) * 2);
  } else {
    u16(static_cast<std::uint32_t>(v + 0x4000) * 2 + 1);
  }
}

void Bytes::packed_u32(std::uint32_t v) {
  v = std::min<std::uint32_t>(v, 0x7FFFFFFF);
  if (v < 0x8000) {
    u16(v * 2);
  } else {
    u32(v * 2 + 1);
  }
}

void Bytes::packed_i32(std::int32_t v) {
  v = std::clamp<std::int32_t>(v, -0x40000000, 0x3FFFFFFF);
  if (v >= -0x4000 && v < 0x4000) {
    u16(static_cast<std::uint32_t>(v + 0x4000) * 2);
  } else {
    u32(static_cast<std::uint32_t>(v + 0x40000000) * 2 + 1);
  }
}

void Bytes::put_u16(std::size_t at, std::uint32_t v) {
  out_[at] = static_cast<char>(v & 0xFF);
  out_[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Bytes::put_u32(std::size_t at, std::uint32_t v) {
  put_u16(at, v & 0xFFFF);
  put_u16(at + 2, v >> 16);
}

std::optional<std::uint32_t> Reader::u8() {
  if (left() < 1) return std::nullopt;
  return static_cast<unsigned char>(data_[at_++]);
}

std::optional<std::uint32_t> Reader::u16() {
  if (left() < 2) return std::nullopt;
  std::uint32_t lo = static_cast<unsigned char>(data_[at_]);
  std::uint32_t hi = static_cast<unsigned char>(data_[at_ + 1]);
  at_ += 2;
  return lo | (hi << 8);
}

std::optional<std::uint32_t> Reader::u32() {
  if (left() < 4) return std::nullopt;
  std::uint32_t lo = *u16();
  std::uint32_t hi = *u16();
  return lo | (hi << 16);
}

std::optional<std::int32_t> Reader::i16() {
  auto v = u16();
  if (!v) return std::nullopt;
  return static_cast<std::int16_t>(*v);
}

std::optional<std::int32_t> Reader::i32() {
  auto v = u32();
  if (!v) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

std::optional<std::string> Reader::sz() {
  auto end = data_.find('\0', at_);
  if (at_ > data_.size() || end == std::string_view::npos) return std::nullopt;
  std::string out(data_.substr(at_, end - at_));
  at_ = end + 1;
  return out;
}

std::optional<std::uint32_t> Reader::packed_u16() {
  if (left() < 1) return std::nullopt;
  if ((static_cast<unsigned char>(data_[at_]) & 1) == 0) return *u8() / 2;
  auto v = u16();
  if (!v) return std::nullopt;
  return *v / 2;
}

std::optional<std::int32_t> Reader::packed_i16() {
  if (left() < 1) return std::nullopt;
  const bool one_byte = (static_cast<unsigned char>(data_[at_]) & 1) == 0;
  auto v = packed_u16();
  if (!v) return std::nullopt;
  return static_cast<std::int32_t>(*v) - (one_byte ? 0x40 : 0x4000);
}

std::optional<std::uint32_t> Reader::packed_u32() {
  if (left() < 1) return std::nullopt;
  if ((static_cast<unsigned char>(data_[at_]) & 1) == 0) {
    auto v = u16();
    if (!v) return std::nullopt;
    return *v / 2;
  }
  auto v = u32();
  if (!v) return std::nullopt;
  return *v / 2;
}

std::optional<std::int32_t> Reader::packed_i32() {
  if (left() < 1) return std::nullopt;
  const bool two_bytes = (static_cast<unsigned char>(data_[at_]) & 1) == 0;
  auto v = packed_u32();
  if (!v) return std::nullopt;
  return static_cast<std::int32_t>(*v) - (two_bytes ? 0x4000 : 0x40000000);
}

bool Reader::skip(std::size_t n) {
  if (left() < n) return false;
  at_ += n;
  return true;
}

}  // namespace hlp
