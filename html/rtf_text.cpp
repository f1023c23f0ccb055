#include "html/rtf_text.h"

namespace html {

namespace {

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool kept_byte(unsigned char c) { return (c >= 32 && c <= 126) || c >= 192; }

}  // namespace

bool is_escaped(std::string_view rtf, std::size_t pos) {
  std::size_t run = 0;
  while (pos > run && rtf[pos - run - 1] == '\\') ++run;
  return run % 2 == 1;
}

std::size_t find_unescaped(std::string_view rtf, char c, std::size_t from) {
  for (std::size_t p = rtf.find(c, from); p != kNotFound; p = rtf.find(c, p + 1))
    if (!is_escaped(rtf, p)) return p;
  return kNotFound;
}

bool control_word_at(std::string_view rtf, std::size_t pos, std::string_view word) {
  if (rtf.compare(pos, word.size(), word) != 0 || is_escaped(rtf, pos)) return false;
  std::size_t after = pos + word.size();
  return after >= rtf.size() || !is_letter(rtf[after]);
}

std::size_t find_control_word(std::string_view rtf, std::string_view word, std::size_t from) {
  for (std::size_t p = rtf.find(word, from); p != kNotFound; p = rtf.find(word, p + 1))
    if (control_word_at(rtf, p, word)) return p;
  return kNotFound;
}

std::size_t control_word_end(std::string_view rtf, std::size_t pos) {
  std::size_t p = pos + 1;
  while (p < rtf.size() && is_letter(rtf[p])) ++p;
  if (p < rtf.size() && rtf[p] == '-') ++p;
  while (p < rtf.size() && is_digit(rtf[p])) ++p;
  return p;
}

std::size_t matching_brace(std::string_view rtf, std::size_t open) {
  std::size_t depth = 0;
  for (std::size_t p = open; p < rtf.size(); ++p) {
    char c = rtf[p];
    if (c == '\\') {
      ++p;  // the escaped byte never counts
    } else if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (depth == 0) return kNotFound;
      if (--depth == 0) return p;
    }
  }
  return kNotFound;
}

bool has_unescaped_brace(std::string_view rtf) {
  for (std::size_t p = 0; p < rtf.size(); ++p) {
    if (rtf[p] == '\\')
      ++p;
    else if (rtf[p] == '{' || rtf[p] == '}')
      return true;
  }
  return false;
}

std::string plain_rtf_text(std::string_view span) {
  std::string text;
  text.reserve(span.size());
  for (char c : span)
    if (c != '\r' && c != '\n') text += c;
  for (std::size_t p = 0; p < text.size(); ++p) {
    if (text[p] != '\\' || (p + 1 < text.size() && text[p + 1] == '{')) continue;
    std::size_t blank = text.find(' ', p);
    text = blank == std::string::npos ? std::string() : text.substr(blank + 1);
    break;
  }
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return {};
  std::size_t end = start;
  while (end < text.size() && kept_byte(static_cast<unsigned char>(text[end]))) ++end;
  return text.substr(start, end - start);
}

std::string extract_rtf_text(std::string_view rtf, std::size_t start, std::size_t end) {
  if (end > rtf.size() || start + 2 >= end) return {};
  return plain_rtf_text(rtf.substr(start + 2, end - start - 2));
}

}  // namespace html
