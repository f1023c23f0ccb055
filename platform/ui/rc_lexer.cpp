// The resource-script lexer: comments, strings with their escapes, numbers,
// names, punctuation and preprocessor lines.
#include "platform/ui/rc_lexer.h"

#include <algorithm>
#include <cctype>

#include "platform/text.h"

namespace ui::rc {

void Diagnostics::report(int line, std::string_view message) {
  reports_.emplace_back(line, std::string(message));
}

std::vector<std::string> Diagnostics::messages() const {
  auto sorted = reports_;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> out;
  for (const auto& [line, message] : sorted) out.push_back("line " + std::to_string(line) + ": " + message);
  return out;
}

bool is_punct(const Token& token, char c) {
  return token.kind == TokenKind::punct && token.text.size() == 1 && token.text[0] == c;
}

bool is_keyword(const Token& token, std::string_view keyword) {
  return token.kind == TokenKind::name && text::iequals(token.text, keyword);
}

bool is_begin(const Token& token) { return is_punct(token, '{') || is_keyword(token, "BEGIN"); }

bool is_end(const Token& token) { return is_punct(token, '}') || is_keyword(token, "END"); }

namespace {

bool is_name_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }

bool is_name_char(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Lexer {
 public:
  Lexer(std::string_view text, Diagnostics& diagnostics, int first_line)
      : s_(text), diagnostics_(diagnostics), line_(first_line) {}

  std::vector<Token> run() {
    std::vector<Token> tokens;
    while (skip_blanks_and_comments()) tokens.push_back(next_token());
    return tokens;
  }

 private:
  char peek(size_t ahead = 0) const { return pos_ + ahead < s_.size() ? s_[pos_ + ahead] : '\0'; }
  bool at_end() const { return pos_ >= s_.size(); }

  void advance() {
    if (s_[pos_] == '\n') {
      ++line_;
      line_start_ = true;
    }
    ++pos_;
  }

  // Moves to the next token; false at the end of the text.
  bool skip_blanks_and_comments() {
    while (!at_end()) {
      char c = peek();
      if (c == '/' && peek(1) == '/') {
        while (!at_end() && peek() != '\n') ++pos_;
      } else if (c == '/' && peek(1) == '*') {
        skip_block_comment();
      } else if (std::isspace(static_cast<unsigned char>(c)) || c == '\x1a') {
        advance();
      } else {
        return true;
      }
    }
    return false;
  }

  void skip_block_comment() {
    int start = line_;
    pos_ += 2;
    while (!at_end() && !(peek() == '*' && peek(1) == '/')) advance();
    if (at_end()) {
      diagnostics_.report(start, "unterminated comment");
      return;
    }
    pos_ += 2;
  }

  Token next_token() {
    bool first_on_line = line_start_;
    line_start_ = false;
    char c = peek();
    if (c == '#' && first_on_line) return directive();
    if (c == '"') return string_literal();
    if ((c == 'L' || c == 'l') && peek(1) == '"') {
      ++pos_;  // wide-string prefix: the text is read the same way
      return string_literal();
    }
    if (std::isdigit(static_cast<unsigned char>(c))) return number();
    if (is_name_start(c)) return name();
    Token t{TokenKind::punct, std::string(1, c), 0, line_};
    ++pos_;
    return t;
  }

  // A preprocessor line; a backslash at the end of a line continues it.
  Token directive() {
    Token t{TokenKind::directive, {}, 0, line_};
    ++pos_;
    while (!at_end() && peek() != '\n') {
      if (peek() == '\\' && (peek(1) == '\n' || (peek(1) == '\r' && peek(2) == '\n'))) {
        ++pos_;
        if (peek() == '\r') ++pos_;
        advance();
        t.text += ' ';
        continue;
      }
      t.text += peek();
      ++pos_;
    }
    if (!t.text.empty() && t.text.back() == '\r') t.text.pop_back();
    return t;
  }

  Token string_literal() {
    Token t{TokenKind::string, {}, 0, line_};
    ++pos_;  // opening quote
    while (true) {
      if (at_end() || peek() == '\n' || (peek() == '\r' && peek(1) == '\n')) {
        diagnostics_.report(t.line, "unterminated string");
        return t;
      }
      char c = peek();
      if (c == '"') {
        if (peek(1) != '"') break;
        t.text += '"';
        pos_ += 2;
      } else if (c == '\\') {
        escape(t.text);
      } else {
        t.text += c;
        ++pos_;
      }
    }
    ++pos_;  // closing quote
    return t;
  }

  // Reads one backslash escape; unknown escapes keep their backslash.
  void escape(std::string& out) {
    char c = peek(1);
    pos_ += 2;
    switch (c) {
      case 'n': out += '\n'; return;
      case 't': out += '\t'; return;
      case 'r': out += '\r'; return;
      case 'a': out += '\a'; return;
      case '\\': out += '\\'; return;
      case '"': out += '"'; return;
      case 'x':
      case 'X': hex_escape(out); return;
      case '\0':
      case '\n': out += '\\'; --pos_; return;  // leave the line end to the caller
      default: out += '\\'; out += c; return;
    }
  }

  void hex_escape(std::string& out) {
    int value = 0, digits = 0;
    while (digits < 2 && hex_digit(peek()) >= 0) {
      value = value * 16 + hex_digit(peek());
      ++pos_;
      ++digits;
    }
    if (digits == 0) out += "\\x";
    else out += static_cast<char>(value);
  }

  Token number() {
    Token t{TokenKind::number, {}, 0, line_};
    size_t start = pos_;
    std::uint64_t value = 0;
    int base = 10;
    if (peek() == '0' && (peek(1) == 'x' || peek(1) == 'X')) {
      base = 16;
      pos_ += 2;
    }
    while (!at_end()) {
      int d = hex_digit(peek());
      if (d < 0 || d >= base) break;
      if (value < (std::uint64_t{1} << 40)) value = value * base + d;  // clamps absurd literals
      ++pos_;
    }
    while (peek() == 'L' || peek() == 'l' || peek() == 'U' || peek() == 'u') ++pos_;
    t.text = std::string(s_.substr(start, pos_ - start));
    t.value = static_cast<std::int64_t>(value);
    return t;
  }

  Token name() {
    Token t{TokenKind::name, {}, 0, line_};
    size_t start = pos_;
    while (!at_end() && is_name_char(peek())) ++pos_;
    t.text = std::string(s_.substr(start, pos_ - start));
    return t;
  }

  std::string_view s_;
  Diagnostics& diagnostics_;
  size_t pos_ = 0;
  int line_;
  bool line_start_ = true;
};

}  // namespace

std::vector<Token> tokenize(std::string_view text, Diagnostics& diagnostics, int first_line) {
  return Lexer(text, diagnostics, first_line).run();
}

}  // namespace ui::rc
