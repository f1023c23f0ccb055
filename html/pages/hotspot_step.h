// The page writer's hotspot step: each hotspot marker ("!!x" text "^#"
// context "#!#") becomes a link to the page of its context string, a list
// of the topics of a KLink or ALink macro, an HTML Help link into another
// help file, or its text alone.
#pragma once
#include <string>
#include <string_view>

#include "html/text/read_on.h"

namespace html {

struct ConversionRun;

inline constexpr std::string_view kHotspotMarker = "!!x";
inline constexpr std::string_view kHotspotContext = "^#";
inline constexpr std::string_view kHotspotEnd = "#!#";

// The page a hotspot step works on.
struct HotspotPage {
  std::string name;     // the page's file name
  bool is_toc = false;  // the TOC page: with frames its links open in the main frame
};

// Converts every hotspot marker of the buffer, reading on up to the marker's
// end; a marker whose end never comes loses its "!!x".
void convert_hotspots(ConversionRun& run, const HotspotPage& page, std::string& buffer,
                      ReadOn& more);

// The keyword list of a KLink or ALink macro ("KL(`printer setup')" gives
// "printer setup") and whether it is a KLink; false for other macros.
bool link_macro_keywords(std::string_view macro, std::string& keywords, bool& klink);

}  // namespace html
