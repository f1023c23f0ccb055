#include "rtf/control_words.h"

#include <algorithm>
#include <utility>

namespace rtf {

namespace {

// A toggle word is on without a parameter or with a non-zero one (\b, \b1, \b0).
bool on(const Token& t) { return !t.has_param || t.param != 0; }

using CharRule = void (*)(CharFormat&, const Token&);

constexpr std::pair<std::string_view, Underline> kUnderlines[] = {
    {"ul", Underline::single},       {"uld", Underline::dotted},     {"uldb", Underline::double_line},
    {"ulw", Underline::word},        {"uldash", Underline::dashed},  {"uldashd", Underline::dashed},
    {"uldashdd", Underline::dashed}, {"ulldash", Underline::dashed}, {"ulth", Underline::thick},
    {"ulthd", Underline::thick},     {"ulthdash", Underline::thick}, {"ulwave", Underline::wave},
    {"ulhwave", Underline::wave},    {"ululdbwave", Underline::wave}};

constexpr std::pair<std::string_view, CharRule> kCharRules[] = {
    {"b", [](CharFormat& f, const Token& t) { f.bold = on(t); }},
    {"i", [](CharFormat& f, const Token& t) { f.italic = on(t); }},
    {"ulnone", [](CharFormat& f, const Token&) { f.underline = Underline::none; }},
    {"strike", [](CharFormat& f, const Token& t) { f.strike = on(t); }},
    {"striked", [](CharFormat& f, const Token& t) { f.strike = on(t); }},
    {"v", [](CharFormat& f, const Token& t) { f.hidden = on(t); }},
    {"super", [](CharFormat& f, const Token&) { f.superscript = true, f.subscript = false; }},
    {"sub", [](CharFormat& f, const Token&) { f.subscript = true, f.superscript = false; }},
    {"nosupersub", [](CharFormat& f, const Token&) { f.superscript = f.subscript = false; }},
    {"f", [](CharFormat& f, const Token& t) { f.font = t.param; }},
    {"fs", [](CharFormat& f, const Token& t) { f.size = t.has_param ? std::max(t.param, 1) : kDefaultFontSize; }},
    {"cf", [](CharFormat& f, const Token& t) { f.color = std::max(t.param, 0); }},
};

using ParaRule = void (*)(ParaFormat&, const Token&);

constexpr std::pair<std::string_view, ParaRule> kParaRules[] = {
    {"s", [](ParaFormat& f, const Token& t) { f.style = t.param; }},
    {"intbl", [](ParaFormat& f, const Token& t) { f.in_table = on(t); }},
    {"ql", [](ParaFormat& f, const Token&) { f.alignment = Alignment::left; }},
    {"qc", [](ParaFormat& f, const Token&) { f.alignment = Alignment::center; }},
    {"qr", [](ParaFormat& f, const Token&) { f.alignment = Alignment::right; }},
    {"qj", [](ParaFormat& f, const Token&) { f.alignment = Alignment::justify; }},
    {"li", [](ParaFormat& f, const Token& t) { f.left_indent = t.param; }},
    {"ri", [](ParaFormat& f, const Token& t) { f.right_indent = t.param; }},
    {"fi", [](ParaFormat& f, const Token& t) { f.first_indent = t.param; }},
    {"sb", [](ParaFormat& f, const Token& t) { f.space_before = t.param; }},
    {"sa", [](ParaFormat& f, const Token& t) { f.space_after = t.param; }},
    {"keepn", [](ParaFormat& f, const Token& t) { f.keep_with_next = on(t); }},
    {"outlinelevel", [](ParaFormat& f, const Token& t) { f.outline_level = t.param; }},
    {"ls", [](ParaFormat& f, const Token& t) { f.list_override = std::max(t.param, 0); }},
    {"ilvl", [](ParaFormat& f, const Token& t) { f.list_override_level = std::clamp(t.param, 0, 8); }},
};

constexpr std::pair<std::string_view, std::string_view> kSpecialWords[] = {
    {"tab", "\t"},         {"emdash", "\x97"},    {"endash", "\x96"},   {"emspace", " "},
    {"enspace", " "},      {"qmspace", " "},      {"bullet", "\x95"},   {"lquote", "\x91"},
    {"rquote", "\x92"},    {"ldblquote", "\x93"}, {"rdblquote", "\x94"}, {"zwj", ""},
    {"zwnj", ""},          {"ltrmark", ""},       {"rtlmark", ""}};

constexpr std::pair<std::string_view, std::string_view> kSpecialSymbols[] = {
    {"~", "\xA0"}, {"_", "-"}, {"-", ""}};

}  // namespace

bool apply_char_word(const Token& word, CharFormat& format) {
  if (word.kind != TokenKind::control_word) return false;
  for (const auto& [name, kind] : kUnderlines) {
    if (word.text == name) {
      format.underline = on(word) ? kind : Underline::none;
      return true;
    }
  }
  for (const auto& [name, rule] : kCharRules) {
    if (word.text == name) {
      rule(format, word);
      return true;
    }
  }
  return false;
}

bool apply_para_word(const Token& word, ParaFormat& format) {
  if (word.kind != TokenKind::control_word) return false;
  for (const auto& [name, rule] : kParaRules) {
    if (word.text == name) {
      rule(format, word);
      return true;
    }
  }
  return false;
}

std::optional<std::string_view> special_text(const Token& token) {
  if (token.kind == TokenKind::control_word) {
    for (const auto& [name, text] : kSpecialWords) {
      if (token.text == name) return text;
    }
  } else if (token.kind == TokenKind::control_symbol) {
    for (const auto& [name, text] : kSpecialSymbols) {
      if (token.text == name) return text;
    }
  }
  return std::nullopt;
}

}  // namespace rtf
