#include "tools/helpc/hlp/context_hash.h"

namespace hlp {
namespace {

// A character's value: letters 17 to 42 in either case, digits 1 to 10
// ("0" counts as 10), "!" 11, "." 12, "_" 13; the rest follow the
// character's code.
std::int8_t char_value(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<std::int8_t>(c - 'A' + 0x11);
  if (c >= 'a' && c <= 'z') return static_cast<std::int8_t>(c - 'a' + 0x11);
  if (c >= '1' && c <= '9') return static_cast<std::int8_t>(c - '0');
  switch (c) {
    case '0': return 0x0A;
    case '!': return 0x0B;
    case '.': return 0x0C;
    case '_': return 0x0D;
    default: break;
  }
  if (c < 0x30) return static_cast<std::int8_t>(c + 0xD0);
  if (c < 0x60) return static_cast<std::int8_t>(c - 0x30);
  if (c < 0x80) return static_cast<std::int8_t>(c - 0x50);
  return static_cast<std::int8_t>(c - 0x30);
}

}  // namespace

std::int32_t context_hash(std::string_view context) {
  std::uint32_t hash = 0;
  for (unsigned char c : context) {
    hash = hash * 43u + static_cast<std::uint32_t>(static_cast<std::int32_t>(char_value(c)));
  }
  return static_cast<std::int32_t>(hash);
}

}  // namespace hlp
