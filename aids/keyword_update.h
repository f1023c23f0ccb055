// Keeps a keyword database in step with one topic: keywords added to the
// topic are appended as a new record, keywords taken away are blanked in
// place (the line keeps its length), and a deleted topic's records are
// marked with "@".
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "aids/keyword_files.h"

namespace aids {

// The keyword text that registers a new topic without keywords.
inline constexpr std::string_view kNewTopicMark = "**twznew**";

struct KeywordChanges {
  std::vector<std::string> added, removed;
};

// What an edit of a topic's keyword text (semicolon-separated) changed.
KeywordChanges CompareKeywordTexts(std::string_view old_text, std::string_view new_text);

// The record line update_keys appends for a topic.
std::string AppendedRecord(std::string_view context, std::string_view title,
                           const std::vector<std::string>& added);

// Blanks the first occurrence of each removed keyword in the records of
// context; returns whether any byte changed. removed loses the keywords found.
bool BlankRemovedKeywords(std::string& database, std::string_view context, std::vector<std::string>& removed);

// Marks every record of context as deleted; returns whether any was.
bool MarkRecordsDeleted(std::string& database, std::string_view context);

// update_keys: mode 0 the A database, 1-6 the K database, 7 and 8 delete the
// topic from the A or K database. Always 1: a database that cannot be read
// or written is left as it is.
int UpdateKeys(std::string_view project_path, KeywordState& state, std::string_view context,
               std::string_view title, std::string_view old_keywords, std::string_view new_keywords, int mode);

}  // namespace aids
