// The author's jump preferences (preference words of the data file) and the
// hotspot defaults of TRVWCK6.INI.
#pragma once

#include "project/files/preference_words.h"

namespace aids {

using project::AllowUndefinedJumps;
using project::InsertTestButtons;
using project::kWordTestButtons;
using project::kWordUndefinedJumps;

// Colour and underline new hotspots start with; a negative colour is none.
struct HotspotDefaults {
  int colour = -1;
  bool underline = true;
};
HotspotDefaults ReadHotspotDefaults();
// Keeps colour and underline as the defaults, or (colour < 0) drops them.
void WriteHotspotDefaults(int colour, bool underline);

}  // namespace aids
