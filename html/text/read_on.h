// Reading on: a step that needs a closing text which may lie on a later line
// appends further lines to the buffer it works on, within a limit.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace html {

// The buffer may grow by further lines while it holds fewer bytes than this.
inline constexpr std::size_t kReadOnBytes = 5000;

// A source of the lines after the current one.
class ReadOn {
 public:
  virtual ~ReadOn() = default;
  // Appends the next line; false at the end of the page.
  virtual bool append_line(std::string& buffer) = 0;
};

// Appends lines until closing appears at or after from (compared without
// regard to case) or the buffer reaches limit; returns the closing text's
// position, or npos when it never came.
std::size_t read_on_until(ReadOn& more, std::string& buffer, std::size_t from,
                          std::string_view closing, std::size_t limit = kReadOnBytes);

}  // namespace html
