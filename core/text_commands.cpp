#include "core/text_commands.h"

#include "platform/text.h"

namespace core {
namespace {

bool ascii_letter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool ascii_digit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FixBookmark(std::string_view input) {
  std::string s(input);
  for (char& c : s) {
    auto u = static_cast<unsigned char>(c);
    if (!ascii_letter(u) && !ascii_digit(u)) c = ' ';
  }
  s = std::string(text::trim(s));
  if (s.empty() || !ascii_letter(static_cast<unsigned char>(s[0]))) s.insert(s.begin(), 'n');
  for (char& c : s) {
    if (c == ' ') c = '_';
  }
  return s;
}

std::string FixString(std::string_view input) {
  std::string s(input);
  for (char& c : s) {
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  }
  return std::string(text::trim(s));
}

}  // namespace core
