#include "html/analysis/bookmark_name.h"

#include "platform/text.h"

namespace html {

namespace {

bool letter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool digit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string fix_bookmark(std::string_view text) {
  std::string s(text);
  for (char& c : s) {
    auto u = static_cast<unsigned char>(c);
    if (!letter(u) && !digit(u)) c = ' ';
  }
  s = std::string(text::trim(s));
  if (s.empty() || !letter(static_cast<unsigned char>(s[0]))) s.insert(s.begin(), 'n');
  for (char& c : s)
    if (c == ' ') c = '_';
  return s;
}

}  // namespace html
