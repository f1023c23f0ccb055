// Expression evaluation for the resource-script reader: a small recursive
// descent over a token span.
#include "platform/ui/rc_expression.h"

namespace ui::rc {

std::optional<std::int64_t> Symbols::lookup(std::string_view name) const {
  if (auto it = defines_.find(name); it != defines_.end()) return it->second;
  return builtin_constant(name);
}

std::vector<Tokens> split_fields(Tokens tokens) {
  std::vector<Tokens> fields;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (is_punct(tokens[i], '(')) ++depth;
    if (is_punct(tokens[i], ')') && depth > 0) --depth;
    if (depth == 0 && is_punct(tokens[i], ',')) {
      fields.push_back(tokens.subspan(start, i - start));
      start = i + 1;
    }
  }
  fields.push_back(tokens.subspan(start));
  return fields;
}

namespace {

// Arithmetic wraps like the 32-bit resource compiler's rather than
// overflowing (which would be undefined).
std::int64_t wrap(std::uint64_t v) { return static_cast<std::int64_t>(v); }
std::uint64_t bits(std::int64_t v) { return static_cast<std::uint64_t>(v); }

class Evaluator {
 public:
  Evaluator(Tokens tokens, const Symbols& symbols, bool strict)
      : t_(tokens), symbols_(symbols), strict_(strict) {}

  std::optional<std::int64_t> run(std::string* error) {
    if (t_.empty()) return fail(error, "missing value");
    std::int64_t v = or_expr();
    if (error_.empty() && pos_ < t_.size()) error_ = "unexpected '" + t_[pos_].text + "'";
    if (!error_.empty()) return fail(error, error_);
    return v;
  }

 private:
  std::optional<std::int64_t> fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return std::nullopt;
  }

  bool accept(char c) {
    if (pos_ < t_.size() && is_punct(t_[pos_], c)) {
      ++pos_;
      return true;
    }
    return false;
  }

  std::int64_t or_expr() {
    std::int64_t v = and_expr();
    while (accept('|')) v |= and_expr();
    return v;
  }

  std::int64_t and_expr() {
    std::int64_t v = additive();
    while (accept('&')) v &= additive();
    return v;
  }

  std::int64_t additive() {
    std::int64_t v = multiplicative();
    while (true) {
      if (accept('+')) v = wrap(bits(v) + bits(multiplicative()));
      else if (accept('-')) v = wrap(bits(v) - bits(multiplicative()));
      else return v;
    }
  }

  std::int64_t multiplicative() {
    std::int64_t v = unary();
    while (true) {
      if (accept('*')) {
        v = wrap(bits(v) * bits(unary()));
      } else if (accept('/')) {
        std::int64_t d = unary();
        if (d == 0) {
          if (error_.empty()) error_ = "division by zero";
          return 0;
        }
        v = d == -1 ? wrap(0 - bits(v)) : v / d;
      } else {
        return v;
      }
    }
  }

  std::int64_t unary() {
    if (++depth_ > 64) {  // nesting this deep is garbage, not a style
      if (error_.empty()) error_ = "expression too deep";
      pos_ = t_.size();
      return 0;
    }
    std::int64_t v = unary_value();
    --depth_;
    return v;
  }

  std::int64_t unary_value() {
    if (accept('-')) return wrap(0 - bits(unary()));
    if (accept('+')) return unary();
    if (accept('~')) return ~unary();
    if (pos_ < t_.size() && is_keyword(t_[pos_], "NOT")) {
      ++pos_;
      return ~unary();
    }
    if (pos_ >= t_.size()) {
      if (error_.empty()) error_ = "missing value";
      return 0;
    }
    return primary_value();
  }

  std::int64_t primary_value() {
    const Token& t = t_[pos_++];
    if (t.kind == TokenKind::number) return t.value;
    if (t.kind == TokenKind::name) {
      if (auto v = symbols_.lookup(t.text)) return *v;
      if (strict_ && error_.empty()) error_ = "unknown name " + t.text;
      return 0;
    }
    if (is_punct(t, '(')) {
      std::int64_t v = or_expr();
      if (!accept(')') && error_.empty()) error_ = "missing ')'";
      return v;
    }
    if (error_.empty()) {
      error_ = t.kind == TokenKind::string ? "unexpected string \"" + t.text + "\""
                                           : "unexpected '" + t.text + "'";
    }
    return 0;
  }

  Tokens t_;
  const Symbols& symbols_;
  bool strict_;
  size_t pos_ = 0;
  int depth_ = 0;
  std::string error_;
};

// Splits at the '|' tokens outside parentheses.
std::vector<Tokens> split_terms(Tokens tokens) {
  std::vector<Tokens> terms;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (is_punct(tokens[i], '(')) ++depth;
    if (is_punct(tokens[i], ')') && depth > 0) --depth;
    if (depth == 0 && is_punct(tokens[i], '|')) {
      terms.push_back(tokens.subspan(start, i - start));
      start = i + 1;
    }
  }
  terms.push_back(tokens.subspan(start));
  return terms;
}

}  // namespace

std::optional<std::int64_t> evaluate(Tokens tokens, const Symbols& symbols, bool strict,
                                     std::string* error) {
  return Evaluator(tokens, symbols, strict).run(error);
}

std::optional<std::uint32_t> apply_style(Tokens tokens, std::uint32_t base, const Symbols& symbols,
                                         std::string* error) {
  for (Tokens term : split_terms(tokens)) {
    bool clear = !term.empty() && is_keyword(term.front(), "NOT");
    if (clear) term = term.subspan(1);
    auto v = evaluate(term, symbols, false, error);
    if (!v) return std::nullopt;
    auto bits = static_cast<std::uint32_t>(*v);
    base = clear ? (base & ~bits) : (base | bits);
  }
  return base;
}

}  // namespace ui::rc
