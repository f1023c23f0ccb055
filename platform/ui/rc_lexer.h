// Tokens of a resource script, and the diagnostics every part of the reader
// reports through ("line N: message").
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui::rc {

enum class TokenKind {
  name,       // keyword or symbol: BEGIN, DIALOG, WS_CHILD, IDC_LIST
  number,     // 21000, 0x10, 5L
  string,     // "text" with its escapes already resolved
  punct,      // one of , | ( ) { } + - * / & ~ or any other stray byte
  directive,  // a whole preprocessor line, without its '#'
};

struct Token {
  TokenKind kind = TokenKind::punct;
  std::string text;        // name, resolved string, punctuation or directive text
  std::int64_t value = 0;  // numbers only
  int line = 0;            // 1-based line where the token starts
};

// Collects problems found while reading, to be reported in line order as
// "line N: message".
class Diagnostics {
 public:
  void report(int line, std::string_view message);
  // Every report so far, by line (reports of one line in the order made).
  std::vector<std::string> messages() const;

 private:
  std::vector<std::pair<int, std::string>> reports_;
};

// Splits script text into tokens. Comments and blanks are dropped; a line
// whose first non-blank character is '#' becomes one directive token.
// first_line numbers the first line of text (for re-reading directive text).
std::vector<Token> tokenize(std::string_view text, Diagnostics& diagnostics, int first_line = 1);

bool is_punct(const Token& token, char c);
// BEGIN or '{' / END or '}'.
bool is_begin(const Token& token);
bool is_end(const Token& token);
// A name token equal to keyword, ignoring case.
bool is_keyword(const Token& token, std::string_view keyword);

}  // namespace ui::rc
