// Walks the tokens of one group, for the readers of destinations such as the
// font table: they stop exactly at the group's closing brace.
#pragma once
#include <cstddef>
#include <string>

#include "rtf/token.h"
#include "rtf/tokenizer.h"

namespace rtf {

class GroupCursor {
 public:
  // The group's "{" has just been read from tokens.
  explicit GroupCursor(Tokenizer& tokens) : tokens_(tokens) {}

  // The next token inside the group; false once the group's own closing brace
  // has been read, or the input ended.
  bool next(Token& token);
  // Nesting relative to the group: 1 directly inside it. After a nested
  // group's "}" has been returned, the depth outside that group.
  int depth() const { return depth_; }
  // Byte position of the next unread byte of the document.
  std::size_t position() const { return tokens_.position(); }
  // Reads on to the end of the innermost group that is open (for example a
  // {\*\panose ...} inside a font entry).
  void skip_current_group();
  // Reads on to the end of the whole group.
  void skip_rest();

 private:
  Tokenizer& tokens_;
  int depth_ = 1;
  bool done_ = false;
};

// Appends the text a token carries (text bytes, or a unicode character as its
// code page 1252 byte or "?") to out, keeping out at most max bytes.
void append_token_text(const Token& token, std::string& out, std::size_t max);

// Leading and trailing blanks removed.
std::string trimmed(std::string text);

}  // namespace rtf
