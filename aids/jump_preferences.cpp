#include "aids/jump_preferences.h"

#include <string>

#include "core/settings.h"

namespace aids {

HotspotDefaults ReadHotspotDefaults() {
  HotspotDefaults d;
  d.colour = core::read_setting_int("Default hotspot color", -1);
  if (d.colour < 0) d.colour = -1;
  d.underline = core::read_setting_int("Default underline", 1) != 0;
  return d;
}

void WriteHotspotDefaults(int colour, bool underline) {
  if (colour < 0) {
    core::write_setting("Default hotspot color", "-1");
    return;
  }
  core::write_setting("Default hotspot color", std::to_string(colour));
  core::write_setting("Default underline", underline ? "1" : "0");
}

}  // namespace aids
