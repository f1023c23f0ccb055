#include "platform/name_spellings.h"

#include "platform/code_pages.h"

namespace platform {

namespace {

bool is_utf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    std::size_t more = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : 9;
    if (more == 9 || i + more >= s.size() + (more == 0 ? 1 : 0)) return false;
    for (std::size_t k = 1; k <= more; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
    i += more + 1;
  }
  return true;
}

std::string spelled(std::string_view name, int code_page) {
  std::string out;
  for (char ch : name) {
    auto byte = static_cast<unsigned char>(ch);
    append_utf8(out, unicode_of_byte(byte, code_page).value_or(byte));
  }
  return out;
}

}  // namespace

std::vector<std::string> utf8_spellings(std::string_view name) {
  bool eight_bit = false;
  for (char c : name) eight_bit = eight_bit || static_cast<unsigned char>(c) >= 0x80;
  if (!eight_bit || is_utf8(name)) return {};
  return {spelled(name, 1252), spelled(name, 1251)};
}

}  // namespace platform
