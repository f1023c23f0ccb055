// Little-endian byte building and reading for the help file's structures,
// with the file's packed integer forms (one or two bytes for a short, two
// or four for a long; the low bit tells which).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hlp {

class Bytes {
 public:
  void u8(std::uint32_t v) { out_.push_back(static_cast<char>(v & 0xFF)); }
  void u16(std::uint32_t v) { u8(v); u8(v >> 8); }
  void u32(std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); }
  void i16(std::int32_t v) { u16(static_cast<std::uint32_t>(v)); }
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  // A zero-terminated string.
  void sz(std::string_view s) { out_.append(s); u8(0); }
  // Exactly n bytes: s cut or padded with zeros.
  void fixed(std::string_view s, std::size_t n);
  void raw(std::string_view s) { out_.append(s); }
  void zeros(std::size_t n) { out_.append(n, '\0'); }

  // Packed forms; values out of range are clamped (callers keep them in range).
  void packed_u16(std::uint32_t v);
  void packed_i16(std::int32_t v);
  void packed_u32(std::uint32_t v);
  void packed_i32(std::int32_t v);

  // Overwrites a 16- or 32-bit value written earlier.
  void put_u16(std::size_t at, std::uint32_t v);
  void put_u32(std::size_t at, std::uint32_t v);

  std::size_t size() const { return out_.size(); }
  const std::string& str() const { return out_; }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

// Bounds-checked reading: every getter answers nullopt past the end.
class Reader {
 public:
  explicit Reader(std::string_view data, std::size_t at = 0) : data_(data), at_(at) {}
  std::optional<std::uint32_t> u8();
  std::optional<std::uint32_t> u16();
  std::optional<std::uint32_t> u32();
  std::optional<std::int32_t> i16();
  std::optional<std::int32_t> i32();
  std::optional<std::string> sz();
  std::optional<std::uint32_t> packed_u16();
  std::optional<std::int32_t> packed_i16();
  std::optional<std::uint32_t> packed_u32();
  std::optional<std::int32_t> packed_i32();
  bool skip(std::size_t n);
  std::size_t at() const { return at_; }
  std::size_t left() const { return at_ <= data_.size() ? data_.size() - at_ : 0; }

 private:
  std::string_view data_;
  std::size_t at_;
};

}  // namespace hlp
