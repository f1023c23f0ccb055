// The topic titles of the K keyword database (".kdb"), as the title lists of
// the target dialogs and the topic finder show them: "title=context", or
// "# {context}" for a topic without a title; sorted, without duplicates.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace project {

// At most this many titles are listed, as the keyword list holds.
inline constexpr size_t kMaxTitleEntries = 16010;

// The entries of the database file (a system path); none when it is missing.
std::vector<std::string> keyword_database_titles(std::string_view path);

// The context string of an entry: the text after its last "=", "" when it
// has none.
std::string_view title_entry_context(std::string_view entry);

}  // namespace project
