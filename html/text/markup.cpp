#include "html/text/markup.h"

#include "platform/text.h"

namespace html {

namespace {

char fold(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::size_t find_nocase(std::string_view text, std::string_view needle, std::size_t from) {
  if (needle.empty()) return from <= text.size() ? from : kNoPos;
  if (needle.size() > text.size()) return kNoPos;
  char first = fold(needle[0]);
  // Most needles start with markup ("<", "{", "#"), which has no case: the
  // library's byte search finds their candidates.
  const bool caseless_first = first == needle[0] && (first < 'A' || first > 'Z');
  for (std::size_t i = from; i + needle.size() <= text.size(); ++i) {
    if (caseless_first) {
      i = text.find(first, i);
      if (i == std::string_view::npos || i + needle.size() > text.size()) return kNoPos;
    } else if (fold(text[i]) != first) {
      continue;
    }
    std::size_t k = 1;
    while (k < needle.size() && fold(text[i + k]) == fold(needle[k])) ++k;
    if (k == needle.size()) return i;
  }
  return kNoPos;
}

bool contains_nocase(std::string_view text, std::string_view needle) {
  return find_nocase(text, needle) != kNoPos;
}

std::size_t tag_end(std::string_view text, std::size_t pos) {
  char quote = 0;
  for (std::size_t i = pos + 1; i < text.size(); ++i) {
    char c = text[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"') {
      quote = c;
    } else if (c == '>') {
      return i;
    }
  }
  // An unbalanced quote: take the first ">" after all.
  std::size_t plain = text.find('>', pos + 1);
  return plain;
}

std::string hex_colour(long windows_colour) {
  unsigned long v = static_cast<unsigned long>(windows_colour) & 0xFFFFFFUL;
  unsigned long rgb = ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
  return text::format("%06lX", rgb);
}

std::string html_colour(long windows_colour) { return "#" + hex_colour(windows_colour); }

namespace {

// True when a character reference ("&#945;") starts at pos: texts from the
// exported pages carry characters their code page lacks that way.
bool reference_at(std::string_view s, std::size_t pos) {
  std::size_t p = pos + 2;
  if (s.substr(pos, 2) != "&#") return false;
  while (p < s.size() && s[p] >= '0' && s[p] <= '9') ++p;
  return p > pos + 2 && p < s.size() && s[p] == ';';
}

}  // namespace

std::string escape_html(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    switch (c) {
      case '&':
        out += reference_at(s, i) ? "&" : "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string strip_tags(std::string_view html) {
  std::string out;
  out.reserve(html.size());
  for (std::size_t i = 0; i < html.size(); ++i) {
    char c = html[i];
    if (c == '<') {
      std::size_t end = tag_end(html, i);
      if (end == kNoPos) break;
      i = end;
      continue;
    }
    out += (c == '\r' || c == '\n') ? ' ' : c;
  }
  return std::string(text::trim(out));
}

std::string_view page_of_target(std::string_view target) {
  return target.substr(0, target.find('#'));
}

}  // namespace html
