// The buffered line reader of every pass: reads a file through a fixed
// window so that huge files cost bounded memory. The conversion run keeps two
// independent readers (see ConversionRun), so a keyword look-up can run while
// a page is being read.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace html {

class LineReader {
 public:
  // Bytes read from the file at a time.
  static constexpr std::size_t kWindowBytes = 64000;

  // Sets the file and the start offset; false when it cannot be opened.
  bool open(std::string_view path, std::uint64_t offset = 0);
  void close();
  bool is_open() const { return file_.is_open(); }
  // True when reading the file failed part way (until close).
  bool failed() const { return file_.failed(); }

  // The next line including its LF, at most max_bytes bytes: a longer line
  // comes in pieces. nullopt at the end of the file.
  std::optional<std::string> read_line(std::size_t max_bytes);
  // The same, but a line longer than max_bytes is cut there and the rest of
  // it skipped, for files of one record a line.
  std::optional<std::string> read_cut_line(std::size_t max_bytes);

 private:
  bool refill();

  platform::FileReader file_;
  std::string window_;
  std::size_t pos_ = 0;
};

// A line without its line end (CR, LF or both).
std::string_view without_line_end(std::string_view line);

}  // namespace html
