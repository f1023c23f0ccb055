// Reading one hotspot from gathered RTF text: underlined text ("\uldb" for a
// jump, "\ul" for a pop-up) directly followed by hidden text ("\v") that
// names the target. Hidden text split into adjacent hidden groups is joined.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "project/rtf_marks.h"

namespace project {

enum class HotspotKind { jump = 0, popup = 1, macro = 2 };

struct HotspotRead {
  rtf_marks::Found found = rtf_marks::Found::nothing;
  HotspotKind kind = HotspotKind::jump;
  std::string target;  // the hidden text
  size_t resume = 0;   // where scanning goes on
};

// True when the control word turns underlining on as a hotspot does ("\ul",
// "\uldb"); `double_underline` tells which.
bool starts_hotspot(const rtf_marks::ControlWord& word, bool& double_underline);

// Reads the hotspot whose underline control word starts at `pos`. Nothing is
// found when visible text or the next underline comes before any hidden text.
// Without `force`, a hotspot that runs into the end of the text is open.
HotspotRead read_hotspot(std::string_view text, size_t pos, bool force);

}  // namespace project
