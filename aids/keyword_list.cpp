#include "aids/keyword_list.h"

#include <algorithm>
#include <optional>

#include "platform/files.h"
#include "platform/text.h"

namespace aids {
namespace {

unsigned char upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : static_cast<unsigned char>(c);
}

// Compares with a ":" behind each keyword, so that "Print:" sorts before
// "Print:setup:" and "Print setup:" (a blank is below the colon) before it.
int compare_upper(std::string_view a, std::string_view b) {
  for (size_t i = 0;; ++i) {
    int ca = i < a.size() ? upper(a[i]) : i == a.size() ? ':' : -1;
    int cb = i < b.size() ? upper(b[i]) : i == b.size() ? ':' : -1;
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca < 0) return 0;
  }
}

std::vector<std::string> cache_keywords(std::string_view cache) {
  std::vector<std::string> keywords;
  ForEachLine(cache, [&](std::string_view line, size_t) {
    if (!line.empty()) keywords.emplace_back(line);
  });
  return keywords;
}

}  // namespace

bool KeywordLess(const std::string& a, const std::string& b) {
  int order = compare_upper(a, b);
  if (order != 0) return order < 0;
  // Equal but for case: the first bytes decide, then the whole text, so that
  // identical keywords always end up side by side.
  if (!a.empty() && !b.empty() && a.front() != b.front())
    return static_cast<unsigned char>(a.front()) < static_cast<unsigned char>(b.front());
  return a < b;
}

std::vector<std::string> SortKeywords(std::vector<std::string> keywords) {
  std::sort(keywords.begin(), keywords.end(), KeywordLess);
  keywords.erase(std::unique(keywords.begin(), keywords.end()), keywords.end());
  return keywords;
}

std::vector<std::string> DatabaseKeywords(std::string_view database) {
  std::vector<std::string> keywords;
  ForEachLine(database, [&](std::string_view line, size_t) {
    if (IsDeletedRecord(line)) return;
    KeywordRecord record = ParseRecord(line);
    if (!record.has_keywords) return;
    for (std::string& item : KeywordItems(record.keywords)) keywords.push_back(std::move(item));
  });
  return keywords;
}

KeywordList LoadKeywordList(std::string_view project_path, bool current_project, KeywordKind kind,
                            const KeywordState& state) {
  KeywordList list{kind, std::string(project_path), current_project, {}, {}};
  list.database_stamp = platform::file_stamp(database_path(project_path, kind));
  const bool cache_valid = kind == KeywordKind::a ? state.cache_valid_a : state.cache_valid_k;
  std::optional<std::string> cache;
  if (cache_valid) cache = platform::read_file(cache_path(project_path, kind));
  if (cache) {
    list.entries = SortKeywords(cache_keywords(*cache));
  } else if (std::optional<std::string> database = platform::read_file(database_path(project_path, kind))) {
    list.entries = SortKeywords(DatabaseKeywords(*database));
  }
  return list;
}

int TypeAheadIndex(const std::vector<std::string>& entries, std::string_view typed) {
  for (size_t i = 0; i < entries.size(); ++i) {
    std::string_view entry = entries[i];
    size_t n = 0;
    while (n < entry.size() && n < typed.size() && upper(entry[n]) == upper(typed[n])) ++n;
    bool not_less = n == typed.size() || (n < entry.size() && upper(entry[n]) > upper(typed[n]));
    if (not_less) return static_cast<int>(i);
  }
  return -1;
}

bool SaveKeywordCache(const KeywordList& list, KeywordState& state) {
  if (list.entries.empty() || !list.current_project || state.cache_valid(list.kind)) return false;
  if (platform::file_stamp(database_path(list.project_path, list.kind)) != list.database_stamp) return false;
  std::string bytes;
  for (const std::string& entry : list.entries) bytes += entry + "\r\n";
  if (!platform::write_file(cache_path(list.project_path, list.kind), bytes)) return false;
  state.cache_valid(list.kind) = true;
  return true;
}

}  // namespace aids
