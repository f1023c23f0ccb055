// Top-level constructs of the resource-script reader: preprocessor lines,
// string tables, bitmaps and the resource types we read past.
#include "platform/ui/rc_parser.h"

#include <array>
#include <cctype>

#include "platform/text.h"

namespace ui::rc {

namespace {

constexpr std::array<std::string_view, 9> kMemoryOptions = {
    "PRELOAD", "LOADONCALL", "MOVEABLE", "DISCARDABLE", "PURE", "IMPURE", "FIXED", "SHARED",
    "NONSHARED"};

// Resource types whose operand may be a bare file name.
constexpr std::array<std::string_view, 7> kFileTypes = {"BITMAP", "ICON",         "CURSOR", "FONT",
                                                        "HTML",   "MESSAGETABLE", "RCDATA"};

// Resource types that are read past (file or block).
constexpr std::array<std::string_view, 10> kBlockTypes = {
    "MENU", "MENUEX", "ACCELERATORS", "VERSIONINFO", "TEXTINCLUDE", "DLGINIT", "TOOLBAR",
    "DESIGNINFO", "AFX_DIALOG_LAYOUT", "RCDATA"};

template <size_t N>
bool in(const std::array<std::string_view, N>& set, std::string_view word) {
  for (std::string_view s : set)
    if (text::iequals(s, word)) return true;
  return false;
}

bool is_resource_type(const Token& t) {
  return t.kind == TokenKind::name &&
         (in(kFileTypes, t.text) || in(kBlockTypes, t.text) || is_keyword(t, "DIALOG") ||
          is_keyword(t, "DIALOGEX"));
}

// Preprocessor lines that need no action here.
constexpr std::array<std::string_view, 8> kIgnoredDirectives = {
    "pragma", "if", "ifdef", "ifndef", "else", "elif", "endif", "error"};

}  // namespace

bool is_memory_option(const Token& t) { return t.kind == TokenKind::name && in(kMemoryOptions, t.text); }

bool starts_resource(const Statement& s) {
  return is_keyword(s[0], "STRINGTABLE") || (s.size() >= 2 && is_resource_type(s[1]));
}

Parser::Parser(std::vector<Statement> statements, Diagnostics& diagnostics, ResourceSet& out,
               Symbols& symbols, IncludeChain& chain, std::string file)
    : statements_(std::move(statements)),
      diagnostics_(diagnostics),
      out_(out),
      symbols_(symbols),
      chain_(chain),
      file_(std::move(file)) {}

void Parser::run() {
  while (!done()) statement(next());
}

std::optional<int> Parser::number(Tokens field, int line, const std::string& what) {
  std::string problem;
  auto v = evaluate(field, symbols_, true, &problem);
  if (!v) {
    error(line, what + ": " + problem);
    return std::nullopt;
  }
  return static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(*v)));
}

std::optional<std::string> Parser::text(Tokens field, int line, const std::string& what) {
  if (field.size() == 1 && field[0].kind != TokenKind::punct) return field[0].text;
  error(line, field.empty() ? "missing " + what : what + " is not a string: " + describe(field));
  return std::nullopt;
}

void Parser::skip_block(int begin_line) {
  int depth = 1;
  while (!done()) {
    const Statement& s = next();
    if (is_begin(s[0])) ++depth;
    if (is_end(s[0]) && --depth == 0) return;
  }
  error(begin_line, "missing END");
}

bool Parser::expect_begin(const Statement& owner, const std::string& what) {
  if (!done() && is_begin(peek()[0])) {
    next();
    return true;
  }
  error(owner.line(), what + " has no BEGIN");
  return false;
}

void Parser::statement(const Statement& s) {
  const Token& first = s[0];
  if (first.kind == TokenKind::directive) {
    directive(s);
  } else if (is_begin(first)) {
    error(s.line(), "BEGIN without a resource");
    skip_block(s.line());
  } else if (is_end(first)) {
    error(s.line(), "END without BEGIN");
  } else if (is_keyword(first, "STRINGTABLE")) {
    string_table(s);
  } else if (is_keyword(first, "LANGUAGE")) {
    // Every resource is read whatever its language.
  } else if (s.size() >= 2 && s[1].kind != TokenKind::punct && first.kind != TokenKind::string) {
    resource(s);
  } else {
    error(s.line(), "cannot read \"" + describe(s.tokens) + "\"");
  }
}

void Parser::directive(const Statement& s) {
  std::string_view line = text::trim(s[0].text);
  size_t word_end = 0;
  while (word_end < line.size() && !std::isspace(static_cast<unsigned char>(line[word_end])))
    ++word_end;
  std::string word = text::to_lower(line.substr(0, word_end));
  std::string rest(text::trim(line.substr(word_end)));
  if (word == "define") {
    define(rest, s.line());
  } else if (word == "undef") {
    symbols_.undefine(rest);
  } else if (word == "include") {
    include(rest, s.line());
  } else if (word == "line") {
    line_marker(rest);
  } else if (!in(kIgnoredDirectives, word)) {
    error(s.line(), "unknown directive #" + word);
  }
}

// "#define NAME value": numeric values become symbols; anything else (a
// string, a function-like macro) is left undefined, and its uses report.
void Parser::define(const std::string& rest, int line) {
  Diagnostics quiet;
  std::vector<Token> tokens = tokenize(rest, quiet, line);
  if (tokens.empty() || tokens[0].kind != TokenKind::name) {
    error(line, "#define without a name");
    return;
  }
  Tokens value = Tokens(tokens).subspan(1);
  if (value.empty() || (is_punct(value[0], '(') && rest.find('(') == tokens[0].text.size()))
    return;
  if (auto v = evaluate(value, symbols_, true, nullptr)) {
    symbols_.define(tokens[0].text, *v);
    out_.add_symbol(tokens[0].text, *v);
  }
}

void Parser::string_table(const Statement& s) {
  // Options (LANGUAGE, CHARACTERISTICS, VERSION) may sit on lines of their own.
  while (!done() && !is_begin(peek()[0]) &&
         (is_keyword(peek()[0], "LANGUAGE") || is_keyword(peek()[0], "CHARACTERISTICS") ||
          is_keyword(peek()[0], "VERSION")))
    next();
  if (!expect_begin(s, "STRINGTABLE")) return;
  while (!done()) {
    if (starts_resource(peek())) break;
    const Statement& entry = next();
    if (is_end(entry[0])) return;
    if (entry[0].kind == TokenKind::directive) {
      directive(entry);
    } else if (is_begin(entry[0])) {
      error(entry.line(), "BEGIN inside STRINGTABLE");
      skip_block(entry.line());
    } else {
      string_entry(entry);
    }
  }
  error(s.line(), "STRINGTABLE has no END");
}

// "id[,] "text"" with the id a number or a #defined name.
void Parser::string_entry(const Statement& s) {
  size_t k = 0;
  while (k < s.size() && s[k].kind != TokenKind::string) ++k;
  if (k == s.size()) {
    error(s.line(), "string entry without a string: " + describe(s.tokens));
    return;
  }
  Tokens id_tokens = Tokens(s.tokens).first(k);
  if (!id_tokens.empty() && is_punct(id_tokens.back(), ',')) id_tokens = id_tokens.first(k - 1);
  if (k + 1 < s.size()) {
    error(s.line(), "unexpected \"" + describe(Tokens(s.tokens).subspan(k + 1)) + "\" after the string");
    return;
  }
  auto id = number(id_tokens, s.line(), "string id");
  if (!id) return;
  if (*id < 0 || *id > 0xFFFF) {
    error(s.line(), "string id " + std::to_string(*id) + " out of range");
  } else if (out_.string(*id)) {
    error(s.line(), "string id " + std::to_string(*id) + " used twice");
  } else {
    out_.add_string(*id, s[k].text);
  }
}

void Parser::resource(const Statement& s) {
  const Token& type = s[1];
  if (is_keyword(type, "DIALOG") || is_keyword(type, "DIALOGEX")) {
    dialog(s);
    return;
  }
  size_t k = 2;
  while (k < s.size() && is_memory_option(s[k])) ++k;
  Tokens rest = Tokens(s.tokens).subspan(k);
  bool file_operand = rest.size() == 1 && (rest[0].kind == TokenKind::string ||
                                           (rest[0].kind == TokenKind::name && in(kFileTypes, type.text)));
  if (is_keyword(type, "BITMAP")) {
    if (file_operand) bitmap(s, rest[0].text);
    else error(s.line(), "BITMAP needs a file name");
    return;
  }
  if (file_operand) return;  // icons, cursors, fonts and other files are not needed
  if (in(kBlockTypes, type.text) || (!done() && is_begin(peek()[0]))) {
    skip_resource(s);
    return;
  }
  error(s.line(), "cannot read \"" + describe(s.tokens) + "\"");
}

void Parser::bitmap(const Statement& s, const std::string& file) {
  const Token& name = s[0];
  const std::optional<std::string> picture = embedded_picture(file);
  auto add = [&](const std::string& key) {
    out_.add_bitmap(key, file);
    if (picture) out_.add_bitmap_data(key, *picture);
  };
  add(name.text);
  if (name.kind == TokenKind::name)
    if (auto v = symbols_.lookup(name.text)) add(std::to_string(*v));
}

// Reads past a resource we do not use: option lines, then its block.
void Parser::skip_resource(const Statement& s) {
  while (!done() && !is_begin(peek()[0])) {
    if (is_end(peek()[0]) || peek()[0].kind == TokenKind::directive || starts_resource(peek())) {
      error(s.line(), describe(Tokens(s.tokens).first(2)) + " has no BEGIN");
      return;
    }
    next();
  }
  if (expect_begin(s, describe(Tokens(s.tokens).first(2)))) skip_block(s.line());
}

}  // namespace ui::rc
