// A page file being written: output gathered in a bounded buffer and written
// through in pieces, so that a pass never holds a whole page.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace html {

class PageOutput {
 public:
  // Creates (or empties) the file; check ok() before writing.
  explicit PageOutput(std::string_view path);
  ~PageOutput();
  PageOutput(const PageOutput&) = delete;
  PageOutput& operator=(const PageOutput&) = delete;

  bool ok() const { return file_ != nullptr && !failed_; }
  void write(std::string_view text);
  // Writes what is buffered and closes the file; false when a write failed.
  bool close();

 private:
  void flush();

  std::unique_ptr<platform::ExclusiveFile> file_;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace html
