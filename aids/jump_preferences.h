// The author's jump preferences, kept among the project's preference words
// in the data file, and the hotspot defaults of TRVWCK6.INI.
#pragma once
#include <cstdint>

#include "project/project_data.h"

namespace aids {

// Preference words: "Insert &Test Buttons" after new jumps, and "Allow jumps
// to topics which haven't yet been defined".
inline constexpr int kWordTestButtons = 1;
inline constexpr int kWordUndefinedJumps = 2;

inline bool InsertTestButtons(const project::ProjectData& data) {
  return data.preferences.words[kWordTestButtons] != 0;
}
inline bool AllowUndefinedJumps(const project::ProjectData& data) {
  return data.preferences.words[kWordUndefinedJumps] != 0;
}

// Colour and underline new hotspots start with; a negative colour is none.
struct HotspotDefaults {
  int colour = -1;
  bool underline = true;
};
HotspotDefaults ReadHotspotDefaults();
// Keeps colour and underline as the defaults, or (colour < 0) drops them.
void WriteHotspotDefaults(int colour, bool underline);

}  // namespace aids
