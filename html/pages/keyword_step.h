// The page writer's keyword step: each keyword marker ("!tzky" list "!~")
// becomes one index anchor per keyword, and each keyword an index entry.
#pragma once
#include <string>
#include <string_view>

#include "html/index/index_entries.h"
#include "html/text/read_on.h"

namespace html {

// Marker text around a keyword list.
inline constexpr std::string_view kKeywordMarker = "!tzky";
inline constexpr std::string_view kKeywordMarkerEnd = "!~";

// The keywords of a list that get an entry: ";"-separated, leading blanks
// removed, empty ones skipped. A first-level keyword that the same list also
// holds with a second level ("print;print:setup;") is an entry of its own,
// so that both the first level and the second link to the page.
std::vector<std::string> keywords_to_index(std::string_view list);

// Replaces the buffer's keyword markers by anchors "IX_" + anchor number,
// adding an entry "keyword =page#IX_n" for each; next_anchor counts on over
// the whole run. A list whose "!~" is on a later line is read on to it; one
// that never ends stops at its line end. Returns the number of entries made.
int convert_keywords(std::string& buffer, std::string_view page, IndexEntries& index,
                     int& next_anchor, ReadOn& more);

}  // namespace html
