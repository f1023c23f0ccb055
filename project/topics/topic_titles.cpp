#include "project/topics/topic_titles.h"

#include <algorithm>

#include "platform/text.h"
#include "project/topics/topic_file_lines.h"

namespace project {
namespace {

// One record line: context, TAB, title, TAB, keywords. A record beginning
// with "@" was deleted.
std::string entry_of(std::string_view line) {
  if (line.empty() || line.front() == '@') return {};
  size_t tab = line.find('\t');
  std::string_view context = text::trim(line.substr(0, tab));
  if (context.empty()) return {};
  std::string_view title;
  if (tab != std::string_view::npos) {
    std::string_view rest = line.substr(tab + 1);
    title = text::trim(rest.substr(0, rest.find('\t')));
  }
  if (title.empty()) return "# {" + std::string(context) + "}";
  return std::string(title) + "=" + std::string(context);
}

}  // namespace

std::vector<std::string> keyword_database_titles(std::string_view path) {
  std::vector<std::string> entries;
  TopicFileLines lines;
  if (!lines.open(path)) return entries;
  std::string piece;
  bool line_end = false, line_start = true;
  while (entries.size() < kMaxTitleEntries && lines.next(piece, line_end)) {
    // Only the first piece of a long line holds the context and the title.
    if (line_start) {
      std::string entry = entry_of(piece);
      if (!entry.empty()) entries.push_back(std::move(entry));
    }
    line_start = line_end;
  }
  std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    return text::to_lower(a) < text::to_lower(b);
  });
  entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
  return entries;
}

std::string_view title_entry_context(std::string_view entry) {
  size_t eq = entry.rfind('=');  // a title may hold "=", a context string not
  return eq == std::string_view::npos ? std::string_view() : entry.substr(eq + 1);
}

}  // namespace project
