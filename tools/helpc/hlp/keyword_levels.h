// Two-level index entries as authors write them in K footnotes:
// "printing:to a file" and "printing, to a file" put "to a file" under
// "printing" in the viewer's index. The viewer groups an entry under the
// first level it meets, so the index keeps every entry of a first level
// together, right after the first level itself, and spells the first
// level one way throughout.
#pragma once
#include <string>
#include <string_view>

namespace hlp {

struct KeywordLevels {
  std::string first;
  std::string sub;        // empty for a first-level keyword
  std::string separator;  // ":" or ", " between the two in the stored keyword
};

// The keyword split at its first colon or comma; a separator at either end
// is part of a plain keyword.
KeywordLevels keyword_levels(std::string_view keyword);

// The keyword as the index stores it.
std::string stored_keyword(const KeywordLevels& levels);

// Index order: by first level, then by sub-entry, ignoring case.
bool keyword_before(const KeywordLevels& a, const KeywordLevels& b);

}  // namespace hlp
