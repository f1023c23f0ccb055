// Symbols and expressions of a resource script: #define values, the built-in
// window-style names, numeric fields and style expressions ("A | B | NOT C").
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/rc_lexer.h"

namespace ui::rc {

using Tokens = std::span<const Token>;

// The value of a built-in constant (WS_CHILD, BS_AUTORADIOBUTTON, IDOK, ...).
std::optional<std::int64_t> builtin_constant(std::string_view name);

// #define values (case-sensitive, as the preprocessor has them), falling back
// to the built-in constants.
class Symbols {
 public:
  void define(std::string name, std::int64_t value) { defines_[std::move(name)] = value; }
  void undefine(const std::string& name) { defines_.erase(name); }
  std::optional<std::int64_t> lookup(std::string_view name) const;
  const std::map<std::string, std::int64_t, std::less<>>& defines() const { return defines_; }

 private:
  std::map<std::string, std::int64_t, std::less<>> defines_;
};

// Splits tokens at the commas outside parentheses. "a, , b" gives an empty
// middle field.
std::vector<Tokens> split_fields(Tokens tokens);

// Evaluates a numeric expression (+ - * / | & ~ NOT, parentheses, names).
// Unknown names are 0, and an error only when strict is set. On failure
// returns nullopt and sets error.
std::optional<std::int64_t> evaluate(Tokens tokens, const Symbols& symbols, bool strict,
                                     std::string* error);

// Applies a style expression to base: each '|'-joined term is OR-ed in, and a
// term written "NOT x" clears x's bits, in order. Unknown names count as 0.
std::optional<std::uint32_t> apply_style(Tokens tokens, std::uint32_t base, const Symbols& symbols,
                                         std::string* error);

}  // namespace ui::rc
