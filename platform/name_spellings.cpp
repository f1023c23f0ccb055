#include "platform/name_spellings.h"

#include "platform/code_page_tables.h"

namespace platform {

namespace {

void append_utf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

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

std::string spelled(std::string_view name, const std::array<std::uint16_t, 128>& table) {
  std::string out;
  for (char ch : name) {
    auto byte = static_cast<unsigned char>(ch);
    std::uint32_t c = byte < 0x80 ? byte : table[byte - 0x80];
    append_utf8(out, c != 0 ? c : byte);
  }
  return out;
}

}  // namespace

std::vector<std::string> utf8_spellings(std::string_view name) {
  bool eight_bit = false;
  for (char c : name) eight_bit = eight_bit || static_cast<unsigned char>(c) >= 0x80;
  if (!eight_bit || is_utf8(name)) return {};
  return {spelled(name, kCodePage1252), spelled(name, kCodePage1251)};
}

}  // namespace platform
