// Lines of a text held in memory, handed out as the line reader hands out
// the lines of a file, so a pass can read a page another pass just wrote.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace html {

class TextLines {
 public:
  TextLines() = default;
  explicit TextLines(std::string text) : text_(std::move(text)) {}

  // The next line including its LF, at most max_bytes bytes: a longer line
  // comes in pieces. nullopt at the end of the text.
  std::optional<std::string> next_line(std::size_t max_bytes);
  // Everything not read yet.
  std::string_view rest() const { return std::string_view(text_).substr(pos_); }
  // Marks everything as read.
  void skip_rest() { pos_ = text_.size(); }

 private:
  std::string text_;
  std::size_t pos_ = 0;
};

}  // namespace html
