// WinHelp places windows in 0-1023 units of the screen; the preview lives in
// pixels. Conversions both ways, clamped so a stored window stays on screen.
#pragma once
#include "platform/ui/host.h"

namespace aids {

// A window's place in WinHelp units.
struct UnitRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const UnitRect&) const = default;
};

inline constexpr int kUnitMax = 1023;

// Pixels to units: each value scaled to 1024 per screen extent, values above
// 1022 become 1023, a width or height reaching past 1023 is cut to end
// there, values below 1 become 0.
UnitRect units_from_pixels(ui::WindowRect pixels, ui::ScreenSize screen);
// Units to pixels, each value scaled back against its screen extent.
ui::WindowRect pixels_from_units(UnitRect units, ui::ScreenSize screen);

}  // namespace aids
