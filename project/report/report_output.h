// The text file the topic report writes: held open with an exclusive lock
// while it is written, buffered, with each "\n" of the report's line
// formats written as CR LF, and the offset of what has been written so far.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace project {

class ReportOutput {
 public:
  // Creates (or empties) the file; nullptr with status set when it cannot
  // be opened, as when another program holds it.
  static std::unique_ptr<ReportOutput> create(std::string_view path, platform::OpenStatus& status);
  ~ReportOutput();

  // Appends text; "\n" becomes CR LF.
  void write(std::string_view text);
  // Bytes written so far (after the line-end conversion).
  std::uint64_t offset() const { return offset_; }
  // Writes out what is buffered; false when a write failed.
  bool flush();

 private:
  explicit ReportOutput(std::unique_ptr<platform::ExclusiveFile> file) : file_(std::move(file)) {}

  std::unique_ptr<platform::ExclusiveFile> file_;
  std::string buffer_;
  std::uint64_t offset_ = 0;
  bool failed_ = false;
};

}  // namespace project
