#include "html/analysis/marker_text.h"

#include <cstdio>

#include "rtf/code_page.h"

namespace html {

namespace {

bool is_blank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n'; }

// RTF writes \uN as a signed 16-bit number.
std::string unicode_word(char32_t c) {
  if (c > 0xFFFF) return "?";
  int value = c > 0x7FFF ? static_cast<int>(c) - 0x10000 : static_cast<int>(c);
  return "\\u" + std::to_string(value) + "?";
}

}  // namespace

void append_bytes(DocText& text, std::string_view bytes, int code_page) {
  for (char c : bytes) text += rtf::unicode_from_byte(static_cast<unsigned char>(c), code_page);
}

DocText trimmed(const DocText& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && is_blank(text[begin])) ++begin;
  while (end > begin && is_blank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string rtf_escaped(const DocText& text, int code_page) {
  std::string out;
  for (char32_t c : text) {
    if (c == U'\\' || c == U'{' || c == U'}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      out += ' ';
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (auto byte = rtf::byte_from_unicode(c, code_page)) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\'%02x", *byte);
      out += hex;
    } else {
      out += unicode_word(c);
    }
  }
  return out;
}

}  // namespace html
