#include "aids/window_units.h"

#include <cstdint>

namespace aids {
namespace {

int to_unit(int pixel, int extent) {
  if (extent <= 0) return 0;
  return static_cast<int>(static_cast<std::int64_t>(pixel) * 1024 / extent);
}

int to_pixel(int unit, int extent) {
  return static_cast<int>(static_cast<std::int64_t>(unit) * extent / 1024);
}

int at_most_max(int unit) { return unit > kUnitMax - 1 ? kUnitMax : unit; }
int at_least_zero(int unit) { return unit < 1 ? 0 : unit; }

}  // namespace

UnitRect units_from_pixels(ui::WindowRect pixels, ui::ScreenSize screen) {
  UnitRect u{at_most_max(to_unit(pixels.x, screen.width)), at_most_max(to_unit(pixels.y, screen.height)),
             at_most_max(to_unit(pixels.cx, screen.width)), at_most_max(to_unit(pixels.cy, screen.height))};
  if (u.x + u.width > kUnitMax) u.width = kUnitMax - u.x;
  if (u.y + u.height > kUnitMax) u.height = kUnitMax - u.y;
  return {at_least_zero(u.x), at_least_zero(u.y), at_least_zero(u.width), at_least_zero(u.height)};
}

ui::WindowRect pixels_from_units(UnitRect units, ui::ScreenSize screen) {
  return {to_pixel(units.x, screen.width), to_pixel(units.y, screen.height), to_pixel(units.width, screen.width),
          to_pixel(units.height, screen.height)};
}

}  // namespace aids
