// The keyword-index commands of the library: the full rebuild of both
// databases, the update of one topic's keywords and the out-of-date warning.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace aids {
struct AidsState;
}

namespace aids {

// The system paths of the current project's topic files, in project order.
std::vector<std::string> ProjectTopicPaths(const AidsState& state);

// BuildKeywordIndex with ask = 0: rebuilds the A database, then the K
// database, from every topic file; a complete rebuild clears the
// out-of-date flag. A database that cannot be written is reported and the
// flag stays set. Returns 1.
int RebuildKeywordIndexes(AidsState& state, std::int32_t window);

// update_keys for the current project; 1 (nothing happens without one).
int UpdateTopicKeys(AidsState& state, std::string_view context, std::string_view title,
                    std::string_view old_keywords, std::string_view new_keywords, int mode);

// DocWizFindTopics: the macros' topic search in the current project's
// database (kind 0 A, else K); one leading '"' or '`' and one trailing "'"
// are dropped from the keywords. The results wait for DocWizGetNext. 1.
int FindTopicsForMacro(AidsState& state, std::string_view keywords, int kind);
// DocWizGetNext: the next result's title and context string, 1; at the end
// both are emptied and 0 is returned.
int NextMacroResult(AidsState& state, std::string& title, std::string& context);

// Shows the out-of-date warning when the indexes are out of date.
void WarnIfIndexOutOfDate(const AidsState& state);

}  // namespace aids
