// Statement grouping for the resource-script reader.
#include "platform/ui/rc_statements.h"

namespace ui::rc {

namespace {

bool stands_alone(const Token& t) {
  return is_begin(t) || is_end(t) || t.kind == TokenKind::directive;
}

// A token after which the statement must go on.
bool continues_after(const Token& t) {
  if (t.kind == TokenKind::name) return is_keyword(t, "NOT");
  if (t.kind != TokenKind::punct) return false;
  return t.text == "," || t.text == "|" || t.text == "+" || t.text == "-" || t.text == "*" ||
         t.text == "/" || t.text == "&" || t.text == "~" || t.text == "(";
}

// A token that cannot begin a statement, so it continues the previous one.
bool continues_before(const Token& t) {
  if (t.kind != TokenKind::punct) return false;
  return t.text == "," || t.text == "|" || t.text == "+" || t.text == "*" || t.text == "/" ||
         t.text == "&" || t.text == ")";
}

}  // namespace

std::vector<Statement> group_statements(std::vector<Token> tokens) {
  std::vector<Statement> out;
  for (Token& t : tokens) {
    bool start_new = out.empty() || stands_alone(t) || stands_alone(out.back().tokens.back());
    if (!start_new) {
      // An open parenthesis does not continue a statement: one left open by
      // mistake would swallow the lines after it.
      const Token& prev = out.back().tokens.back();
      start_new = prev.line != t.line && !continues_after(prev) && !continues_before(t);
    }
    if (start_new) out.push_back(Statement{});
    out.back().tokens.push_back(std::move(t));
  }
  return out;
}

std::string describe(std::span<const Token> tokens) {
  std::string s;
  for (const Token& t : tokens) {
    if (s.size() > 60) {
      s += " ...";
      break;
    }
    if (!s.empty() && !(t.kind == TokenKind::punct && t.text == ",")) s += ' ';
    s += t.kind == TokenKind::string ? "\"" + t.text + "\"" : t.text;
  }
  return s;
}

}  // namespace ui::rc
