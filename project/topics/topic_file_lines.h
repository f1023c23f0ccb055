// Reading a text file (the report's temporary file, a keyword database) one
// line at a time, each at most kScanLineMax bytes (a longer line comes in
// pieces), through a fixed read window, so that a huge or hostile file costs
// bounded memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

namespace project {

// Longest piece of a line handed out, line break included.
inline constexpr std::size_t kScanLineMax = 5000;

class TopicFileLines {
 public:
  // Opens a file (a system path) to be read from offset on; false when it
  // cannot be read.
  bool open(std::string_view path, std::uint64_t offset = 0);

  // The next piece of a line without its line break; `line_end` tells whether
  // the line ended with it. False at the end of the file.
  bool next(std::string& piece, bool& line_end);

 private:
  std::ifstream file_;
};

}  // namespace project
