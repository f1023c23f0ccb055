#include "rtf/group_cursor.h"

#include "rtf/code_page.h"

namespace rtf {

bool GroupCursor::next(Token& token) {
  if (done_) return false;
  if (!tokens_.next(token)) {
    done_ = true;
    return false;
  }
  if (token.kind == TokenKind::group_open) {
    ++depth_;
  } else if (token.kind == TokenKind::group_close) {
    if (--depth_ == 0) {
      done_ = true;
      return false;
    }
  }
  return true;
}

void GroupCursor::skip_current_group() {
  int target = depth_ - 1;
  Token token;
  while (depth_ > target && next(token)) {
  }
}

void GroupCursor::skip_rest() {
  Token token;
  while (next(token)) {
  }
}

void append_token_text(const Token& token, std::string& out, std::size_t max) {
  if (token.kind == TokenKind::text) {
    std::size_t room = out.size() < max ? max - out.size() : 0;
    out.append(token.text.substr(0, room));
  } else if (token.kind == TokenKind::unicode && out.size() < max) {
    auto byte = cp1252_from_unicode(static_cast<std::uint32_t>(token.param));
    out.push_back(byte ? static_cast<char>(*byte) : '?');
  }
}

std::string trimmed(std::string text) {
  std::size_t end = text.find_last_not_of(' ');
  if (end == std::string::npos) return {};
  std::size_t begin = text.find_first_not_of(' ');
  return text.substr(begin, end + 1 - begin);
}

}  // namespace rtf
