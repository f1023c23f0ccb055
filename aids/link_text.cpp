#include "aids/link_text.h"

#include <cstdlib>

#include "platform/text.h"

namespace aids {
namespace {

// A field of the macro's tail with its quote characters blanked, trimmed.
std::string unquoted(std::string_view field) {
  std::string s(field);
  for (char& c : s) {
    if (c == '"' || c == '`' || c == '\'') c = ' ';
  }
  return std::string(text::trim(s));
}

}  // namespace

bool LooksLikeKeywordLink(std::string_view text) {
  return text.find("KL") != std::string_view::npos || text.find("AL") != std::string_view::npos;
}

void ParseKeywordLink(std::string_view text, KeywordLink& link) {
  if (text.empty()) return;
  if (text.front() == '!') {
    link.prefix.clear();
  } else {
    link.prefix = std::string(1, text.front());
    text.remove_prefix(1);
  }
  if (!text.empty() && text.front() == '!') text.remove_prefix(1);
  link.klink = text.rfind("KLink", 0) == 0 || text.rfind("KL", 0) == 0;

  const size_t open = text.find('(');
  if (open == std::string_view::npos || open + 2 > text.size()) return;
  const bool backquoted = text[open + 1] == '`';
  const size_t start = open + 2;
  size_t end = text.find(backquoted ? "'," : "\",", start);
  // A macro without the fields after the keywords ends at its closing quote.
  const bool tail = end != std::string_view::npos;
  if (!tail) end = text.find_first_of(backquoted ? "'" : "\"", start);
  if (end == std::string_view::npos) end = text.size();
  link.keywords.clear();
  for (const auto& item : text::split(text.substr(start, end - start), ';')) {
    std::string keyword(text::trim(item));
    if (!keyword.empty()) link.keywords.push_back(std::move(keyword));
  }
  if (!tail) return;

  // The fields after the keywords; the last one ends at the closing bracket.
  std::string_view rest = text.substr(end + 2);
  if (size_t close = rest.rfind(')'); close != std::string_view::npos) rest = rest.substr(0, close);
  std::vector<std::string> fields = text::split(rest, ',');
  if (!fields.empty()) link.type = static_cast<int>(text::parse_int(fields[0]));
  if (fields.size() > 1) link.not_found = unquoted(fields[1]);
  if (fields.size() > 2) link.window = unquoted(fields[2]);
}

std::string ComposeKeywordLink(const KeywordLink& link) {
  std::string out = link.prefix;
  out += link.klink ? "!KLink(\"" : "!ALink(\"";
  for (size_t i = 0; i < link.keywords.size(); ++i) {
    if (i > 0) out += ';';
    out += link.keywords[i];
  }
  out += "\",";
  out += std::to_string(link.type);
  out += ",\"";
  out += link.not_found;
  out += "\",\"";
  out += link.window;
  out += "\")";
  return out;
}

int DecorationDigit(bool bullet, bool border) { return (bullet ? 1 : 0) + (border ? 2 : 0); }

std::string LinkFormat(bool test_buttons, bool bullet, bool border, int colour) {
  std::string format(test_buttons ? "1" : "0");
  format += std::to_string(DecorationDigit(bullet, border));
  format += std::to_string(colour);
  return format;
}

}  // namespace aids
