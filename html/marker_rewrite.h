// The marker rewrite of one chunk of an RTF topic file: page breaks,
// footnotes and hotspots become the plain-text markers that survive the word
// processor's HTML export. Every marker lies inside the group the replaced
// construct occupied, so the chunk stays valid RTF.
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

// How far before a $ footnote its topic's page marker may lie.
inline constexpr std::size_t kTitleSearchChars = 500;
// How far after "\uldb" or "\ul" the hidden group must begin.
inline constexpr std::size_t kHiddenGroupReach = 300;
// The longest hotspot text carried into a marker.
inline constexpr std::size_t kHotspotTextBytes = 600;

// What the rewrite of one file carries from chunk to chunk.
struct MarkerFileState {
  bool page_marker_given = false;  // the first # footnote has supplied "~~~pg"
};

// Overwrites every "\page" control word with "~~~pg".
void mark_page_breaks(std::string& chunk);
// Replaces the #, $, K, + footnotes by their markers and removes the others.
void mark_footnotes(std::string& chunk, MarkerFileState& state);
// Replaces "\uldb" and "\ul" hotspots followed by a hidden group by "!!x"
// markers.
void mark_hotspots(std::string& chunk);

// The whole rewrite of one chunk, in order: pages, footnotes, hotspots.
void rewrite_chunk(std::string& chunk, MarkerFileState& state);

}  // namespace html
