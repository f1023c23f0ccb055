// The keyword databases of a project and their sorted caches. Each lies
// beside the project file: ".kdb" (K keywords) and ".adb" (A keywords), with
// the caches ".srt" and ".ast". A database line is a record:
//   context TAB title TAB keyword; keyword; ...
// A line whose first byte is "@" is a deleted record.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace aids {

enum class KeywordKind { a, k };

// One topic a keyword search found: its title and context string, as the
// topics-found list shows it ("title TAB context").
struct FoundTopic {
  std::string title, context;
  std::string list_item() const { return title + "\t" + context; }
};

// Whether each kind's sorted cache may stand in for its database. Both start
// cleared, so the first list after loading always comes from the database.
// The macros' topic search keeps its results here for DocWizGetNext.
struct KeywordState {
  bool cache_valid_a = false;
  bool cache_valid_k = false;
  std::vector<FoundTopic> macro_results;
  size_t next_macro_result = 0;
  // The context string of the topic the keyword search chose last.
  std::string chosen_context;

  bool& cache_valid(KeywordKind kind) { return kind == KeywordKind::a ? cache_valid_a : cache_valid_k; }
};

std::string database_path(std::string_view project_path, KeywordKind kind);
std::string cache_path(std::string_view project_path, KeywordKind kind);

// The fields of one database line.
struct KeywordRecord {
  std::string_view context;   // before the first TAB (the whole line without one)
  std::string_view title;     // between the first and second TAB
  std::string_view keywords;  // after the second TAB
  bool has_keywords = false;  // the line has a second TAB
};

KeywordRecord ParseRecord(std::string_view line);
// True for a deleted record ("@" first).
inline bool IsDeletedRecord(std::string_view line) { return !line.empty() && line.front() == '@'; }
// The items of a keyword field, each trimmed, empty ones left out.
std::vector<std::string> KeywordItems(std::string_view field);

// Calls visit(line, offset) for every line of a database (CR LF, LF or CR
// alone end a line; the line excludes its end).
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    visit(bytes.substr(start, end - start), start);
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
    start = end + 1;
  }
}

}  // namespace aids
