#include "host/export/html_text.h"

#include <array>
#include <cstdio>

namespace host::html_export {

void append_escaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
}

int html_font_size(int half_points) {
  // HTML sizes 1..7 stand for 8, 10, 12, 14, 18, 24 and 36 points; the
  // limits are the half-point sizes half-way between them.
  constexpr std::array<int, 6> kUpperLimits = {18, 22, 26, 32, 42, 60};
  int size = 1;
  for (int limit : kUpperLimits) {
    if (half_points < limit) return size;
    ++size;
  }
  return size;
}

std::string html_color(std::uint32_t rgb) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
  return buffer;
}

}  // namespace host::html_export
