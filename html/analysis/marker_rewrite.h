// The marker rewrite of an RTF topic file: page breaks, footnotes and
// hotspots become the plain-text markers that survive the word processor's
// HTML export. The file is read with the RTF reader and changed token by
// token, so every marker lies inside the group the replaced construct
// occupied and the file stays valid RTF.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace html {

// Marker texts.
inline constexpr std::string_view kPageMarker = "~~~pg";
inline constexpr std::string_view kAnchorMarker = "!!b";
inline constexpr std::string_view kTitleEnd = "!~";
inline constexpr std::string_view kBrowseMarker = "!tzbrs";
inline constexpr std::string_view kKeywordMarker = "!tzky";
inline constexpr std::string_view kHotspotMarker = "!!x";
inline constexpr std::string_view kHotspotTarget = "^#";
inline constexpr std::string_view kHotspotEnd = "#!#";

// What the rewrite of one file found.
struct MarkerCounts {
  int hotspots = 0;  // hotspots made into markers
};

// The marker file's text for the RTF text of a topic file. A file that names
// no code page is read in code_page, and when that is not 1252 the marker
// file names it (so that its export declares the right charset).
std::string rewrite_markers(std::string_view rtf, MarkerCounts* counts = nullptr,
                            int code_page = 1252);

}  // namespace html
