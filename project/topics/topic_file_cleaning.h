// Cleaning topic files saved by Word 97 for the Windows 3.x compilers,
// which cannot read the font-table "{\*\panose ...}" groups that Word 97
// writes.
#pragma once
#include <string>
#include <string_view>

namespace project {
struct ProjectState;
}

namespace project {

// The file is rewritten in chunks of this many bytes; a group that runs
// across the end of a chunk is left in place.
inline constexpr std::size_t kCleaningChunk = 65500;

// One chunk with every "{\*\panose" group, through the next "}", replaced
// by one blank. A group whose "}" is not in the chunk stays; the search
// goes on 8 characters further.
std::string remove_panose_groups(std::string_view chunk);

// A whole file's bytes, cleaned chunk by chunk.
std::string clean_topic_text(std::string_view bytes);

// Cleans one topic file, replacing it whole (platform::write_file). A file
// with a ".rxx" beside it, left by an older version's interrupted clean, is
// not touched: that ".rxx" may be the only whole copy. True when the file
// was rewritten.
bool clean_topic_file(std::string_view path);

// Cleans every topic file of the project, in list order.
void CleanTopicFiles(const ProjectState& state);

}  // namespace project
