// Groups the tokens of a resource script into statements: one a line, with a
// statement continuing onto the next line after a trailing comma or operator.
#pragma once
#include <span>
#include <vector>

#include "platform/ui/rc_lexer.h"

namespace ui::rc {

struct Statement {
  std::vector<Token> tokens;  // never empty
  int line() const { return tokens.front().line; }
  const Token& operator[](size_t i) const { return tokens[i]; }
  size_t size() const { return tokens.size(); }
};

// BEGIN, END, braces and directives always stand alone.
std::vector<Statement> group_statements(std::vector<Token> tokens);

// The statement as the script wrote it, roughly, for error messages.
std::string describe(std::span<const Token> tokens);

}  // namespace ui::rc
