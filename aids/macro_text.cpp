#include "aids/macro_text.h"

#include <algorithm>

#include "platform/text.h"

namespace aids {

namespace {

// Follows the quoting of a macro text one character at a time.
class QuoteState {
 public:
  // Takes in one character; true when it is outside every quoted argument
  // (the quote characters themselves count as inside).
  bool outside_after(char c) {
    const bool was_outside = outside();
    quote_ = true;
    if (c == '"' && backquotes_ == 0) {
      double_ = !double_;
    } else if (!double_ && c == '`') {
      ++backquotes_;
    } else if (!double_ && c == '\'' && backquotes_ > 0) {
      --backquotes_;
    } else {
      quote_ = false;
      return was_outside;
    }
    return false;
  }
  // True when the last character opened or closed a quoted argument.
  bool was_quote() const { return quote_; }
  bool outside() const { return !double_ && backquotes_ == 0; }

 private:
  bool double_ = false;
  int backquotes_ = 0;
  bool quote_ = false;
};

std::string trimmed(std::string_view s) { return std::string(text::trim(s)); }

bool is_quote(char c) { return c == '"' || c == '`' || c == '\''; }

bool is_name_char(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

std::vector<std::string> split_macros(std::string_view list) {
  list = text::trim(list);
  if (!list.empty() && list.front() == '!') list.remove_prefix(1);
  // Separators outside quotes; a ":" counts only when no ";" comes later.
  std::vector<size_t> semicolons, colons;
  QuoteState quotes;
  for (size_t i = 0; i < list.size(); ++i) {
    if (!quotes.outside_after(list[i])) continue;
    if (list[i] == ';') semicolons.push_back(i);
    if (list[i] == ':') colons.push_back(i);
  }
  std::vector<size_t> cuts = semicolons;
  const size_t last_semicolon = semicolons.empty() ? 0 : semicolons.back();
  for (size_t c : colons)
    if (semicolons.empty() || c > last_semicolon) cuts.push_back(c);
  std::sort(cuts.begin(), cuts.end());
  std::vector<std::string> macros;
  size_t start = 0;
  cuts.push_back(list.size());
  for (size_t cut : cuts) {
    std::string piece = trimmed(list.substr(start, cut - start));
    if (!piece.empty()) macros.push_back(std::move(piece));
    start = cut + 1;
  }
  return macros;
}

std::string join_macros(const std::vector<std::string>& macros) {
  std::string out;
  for (const std::string& m : macros) {
    if (!out.empty()) out += ';';
    out += m;
  }
  return out;
}

std::string strip_placeholders(std::string_view syntax) {
  const size_t open = syntax.find('(');
  if (open == std::string_view::npos) return trimmed(syntax);
  std::string out(text::trim(syntax.substr(0, open + 1)));
  for (size_t i = open + 1; i < syntax.size(); ++i) {
    const char c = syntax[i];
    if (c == ',') {
      out += ", ";
    } else if (is_quote(c) || c == ')') {
      out += c;
    } else if (is_name_char(c)) {
      // A nested macro (IsMark(...)) keeps its name; a placeholder word goes.
      size_t end = i;
      while (end < syntax.size() && is_name_char(syntax[end])) ++end;
      if (end < syntax.size() && syntax[end] == '(') out.append(syntax.substr(i, end + 1 - i));
      i = end < syntax.size() && syntax[end] == '(' ? end : end - 1;
    }
  }
  return out;
}

std::string alternate_quotes(std::string_view macro) {
  std::string out(macro);
  bool opening = true;
  for (char& c : out) {
    if (c != '"') continue;
    c = opening ? '`' : '\'';
    opening = !opening;
  }
  return out;
}

bool is_conditional_macro(std::string_view text) {
  const std::string name = macro_name(text);
  return text::iequals(name, "IfThen") || text::iequals(name, "IfThenElse");
}

size_t conditional_insertion_point(std::string_view text) {
  const size_t close = text.find_last_of(')');
  if (close == std::string_view::npos || close == 0) return text.size();
  size_t pos = close;
  while (pos > 0 && text[pos - 1] == ' ') --pos;
  if (pos > 0 && text[pos - 1] == '"') return pos - 1;
  return close;
}

std::string insert_into_conditional(std::string_view text, size_t pos, std::string_view macro) {
  pos = std::min(pos, text.size());
  std::string before(text.substr(0, pos));
  const std::string_view head = text::trim(before);
  const bool bare = !head.empty() && (is_quote(head.back()) || head.back() == ';');
  return before + (bare ? "" : "; ") + alternate_quotes(macro) + std::string(text.substr(pos));
}

bool quotes_balanced(std::string_view text) {
  QuoteState quotes;
  for (char c : text) quotes.outside_after(c);
  return quotes.outside();
}

std::string macro_name(std::string_view macro) {
  macro = text::trim(macro);
  return trimmed(macro.substr(0, std::min(macro.find('('), macro.size())));
}

std::vector<std::string> macro_arguments(std::string_view macro) {
  std::vector<std::string> args;
  const size_t open = macro.find('(');
  if (open == std::string_view::npos) return args;
  size_t close = macro.find_last_of(')');
  if (close == std::string_view::npos || close < open) close = macro.size();
  const std::string_view inner = macro.substr(open + 1, close - open - 1);
  QuoteState quotes;
  std::string current;
  int depth = 0;
  for (char c : inner) {
    const bool was_outside = quotes.outside();
    const bool outside = quotes.outside_after(c);
    if (outside && c == '(') ++depth;
    if (outside && c == ')') --depth;
    if (outside && depth == 0 && c == ',') {
      args.push_back(trimmed(current));
      current.clear();
      continue;
    }
    // Only the argument's own quotes go; quotes nested in it stay.
    const bool own_quote = quotes.was_quote() && (was_outside || quotes.outside());
    if (!(own_quote && depth == 0)) current += c;
  }
  if (!text::trim(current).empty() || !args.empty()) args.push_back(trimmed(current));
  return args;
}

std::string printable_text(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  return std::string(text::trim(out));
}

}  // namespace aids
