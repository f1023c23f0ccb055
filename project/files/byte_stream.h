// Little-endian binary fields and LF-ended text lines, the building blocks
// of the project data file. The reader never reads past its input: a short
// read marks it failed and every later read yields zero or "".
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace project {

class ByteWriter {
 public:
  void byte(int v) { out_ += static_cast<char>(v & 0xFF); }
  void word(int v);
  void dword(std::int32_t v);
  // The text up to its first line break, then one line feed.
  void line(std::string_view text);
  const std::string& bytes() const { return out_; }

 private:
  std::string out_;
};

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : in_(bytes) {}

  int byte();  // 0..255
  int word();  // signed 16-bit
  std::int32_t dword();
  // Text up to the next line feed, cut to max characters; a missing line
  // feed at the end of the input fails the read.
  std::string line(size_t max);

  bool ok() const { return ok_; }
  // Marks the input unusable (an absurd count, say) from here on.
  void fail(std::string_view what);
  size_t offset() const { return pos_; }
  // What made the read fail, "" while it has not.
  const std::string& error() const { return error_; }

 private:
  bool take(size_t n, std::string_view what);

  std::string_view in_;
  size_t pos_ = 0;
  bool ok_ = true;
  std::string error_;
};

}  // namespace project
