// The saved-position stack: places in topic documents the author comes back to.
#pragma once
#include <string>
#include <string_view>

namespace project {

struct ProjectState;

inline constexpr int kSaveDestLimit = 20;    // entries SaveDest accepts
inline constexpr int kSaveDest6Limit = 199;  // entries SaveDest6 accepts

// Pushes "P%dL%d  %d"; 0 when 20 entries are stacked already.
int SaveDest(ProjectState& state, int page, int line, int n);
// Pushes the position with the number of the document's topic file.
int SaveDest6(ProjectState& state, int page, int line, std::string_view document);
// Pops the top entry into its position and number parts; 0 when empty.
int GetDest(ProjectState& state, std::string& position, std::string& number);
// Pops the top entry: position, and the topic file's ".DOC" name; -7 when the
// entry names no topic file, 0 when empty.
int GetDest6(ProjectState& state, std::string& position, std::string& document);
// Finds a topic's document: its file name and full upper-cased ".DOC" path.
int GetDestFile6(ProjectState& state, std::string_view context, std::string& file_name,
                 std::string& path);

// The topic file of an entry as the document the word processor opens:
// full path, upper-cased, extension ".DOC".
std::string topic_document(const ProjectState& state, std::string_view entry);

}  // namespace project
