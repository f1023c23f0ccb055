// The in-memory keyword list behind the keyword list window and the keyword
// search: every keyword of one kind, sorted so that a main keyword comes
// directly before its second-level entries ("main:sub"), without duplicates.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "aids/keyword_files.h"
#include "platform/files.h"

namespace aids {

struct KeywordList {
  KeywordKind kind = KeywordKind::k;
  std::string project_path;
  bool current_project = false;  // only the current project's list is cached
  std::vector<std::string> entries;
  // The database as it was when the list was loaded (nullopt: none), so that
  // a list that went stale while it was open never becomes the cache.
  std::optional<platform::FileStamp> database_stamp;
};

// The keyword order: case-insensitive, a main keyword before "main:sub"
// and before longer keywords; keywords that differ only in case keep a
// fixed order.
bool KeywordLess(const std::string& a, const std::string& b);

// Sorts keywords and removes exact duplicates.
std::vector<std::string> SortKeywords(std::vector<std::string> keywords);

// The keywords of a database text, deleted records skipped.
std::vector<std::string> DatabaseKeywords(std::string_view database);

// load_keyword_list: from the sorted cache while its flag says it is valid,
// else from the database. A file that does not open gives an empty list.
KeywordList LoadKeywordList(std::string_view project_path, bool current_project, KeywordKind kind,
                            const KeywordState& state);

// save_keyword_cache: writes a non-empty list of the current project to the
// kind's cache unless the cache is valid already, then marks it valid. A
// list whose database changed since it was loaded (an update or rebuild
// while the list was open, or an edit by another program) is not written:
// it would hide the change, and the next list reads the database instead.
bool SaveKeywordCache(const KeywordList& list, KeywordState& state);

// Type-ahead: the index of the first entry that is not less than typed,
// without regard to case; -1 when every entry is less (or none).
int TypeAheadIndex(const std::vector<std::string>& entries, std::string_view typed);

// free_keyword_list.
inline void FreeKeywordList(KeywordList& list) { list.entries.clear(); }

}  // namespace aids
