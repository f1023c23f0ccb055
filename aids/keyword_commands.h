// The keyword-index commands of the library: the full rebuild of both
// databases, the update of one topic's keywords and the out-of-date warning.
#pragma once
#include <cstdint>
#include <string_view>

namespace core {
struct LibraryState;
}

namespace aids {

// BuildKeywordIndex with ask = 0: rebuilds the A database, then the K
// database, from every topic file; a complete rebuild clears the
// out-of-date flag. A database that cannot be written is reported and the
// flag stays set. Returns 1.
int RebuildKeywordIndexes(core::LibraryState& state, std::int32_t window);

// update_keys for the current project; 1 (nothing happens without one).
int UpdateTopicKeys(core::LibraryState& state, std::string_view context, std::string_view title,
                    std::string_view old_keywords, std::string_view new_keywords, int mode);

// Shows the out-of-date warning when the indexes are out of date.
void WarnIfIndexOutOfDate(const core::LibraryState& state);

}  // namespace aids
