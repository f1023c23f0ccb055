#include "aids/keyword_update.h"

#include <algorithm>
#include <optional>

#include "platform/files.h"
#include "platform/text.h"

namespace aids {
namespace {

// A keyword text as the word processor hands it: only its first line counts.
std::vector<std::string> items_of(std::string_view text) {
  return KeywordItems(text.substr(0, text.find('\r')));
}

bool contains(const std::vector<std::string>& items, const std::string& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// An occurrence counts when it is a whole item: the nearest non-blank byte
// before it is ";" or the TAB that opens the field, after it ";".
bool whole_item(std::string_view field, size_t at, size_t length) {
  size_t before = at;
  while (before > 0 && is_blank(field[before - 1])) --before;
  bool start_ok = before == 0 || field[before - 1] == ';';
  size_t after = at + length;
  while (after < field.size() && is_blank(field[after])) ++after;
  return start_ok && after < field.size() && field[after] == ';';
}

// Blanks keyword and the byte after it in field; false when no whole item.
bool blank_in_field(std::string& line, size_t field_start, const std::string& keyword) {
  std::string_view field = std::string_view(line).substr(field_start);
  for (size_t at = field.find(keyword); at != std::string_view::npos; at = field.find(keyword, at + 1)) {
    if (!whole_item(field, at, keyword.size())) continue;
    size_t length = std::min(keyword.size() + 1, field.size() - at);
    line.replace(field_start + at, length, length, ' ');
    return true;
  }
  return false;
}

int update_database(std::string_view project_path, KeywordState& state, KeywordKind kind, std::string_view context,
                    std::string_view title, std::string_view old_keywords, std::string_view new_keywords) {
  KeywordChanges changes = CompareKeywordTexts(old_keywords, new_keywords);
  const std::string database = database_path(project_path, kind);
  if (!changes.added.empty()) {
    // The new-topic mark registers the topic with no keywords.
    if (contains(changes.added, std::string(kNewTopicMark))) changes.added.clear();
    if (!platform::append_file(database, AppendedRecord(context, title, changes.added))) return 1;
    std::string lines;
    for (const std::string& keyword : changes.added) lines += keyword + "\r\n";
    if (!lines.empty()) platform::append_file(cache_path(project_path, kind), lines);
  }
  if (changes.removed.empty()) return 1;
  std::optional<std::string> bytes = platform::read_file(database);
  if (!bytes || !BlankRemovedKeywords(*bytes, context, changes.removed)) return 1;
  if (platform::write_file(database, *bytes)) state.cache_valid(kind) = false;
  return 1;
}

int delete_topic(std::string_view project_path, KeywordState& state, KeywordKind kind, std::string_view context) {
  state.cache_valid_a = state.cache_valid_k = false;
  const std::string database = database_path(project_path, kind);
  std::optional<std::string> bytes = platform::read_file(database);
  if (bytes && MarkRecordsDeleted(*bytes, context)) platform::write_file(database, *bytes);
  return 1;
}

}  // namespace

KeywordChanges CompareKeywordTexts(std::string_view old_text, std::string_view new_text) {
  std::vector<std::string> old_items = items_of(old_text), new_items = items_of(new_text);
  KeywordChanges changes;
  for (const std::string& item : old_items)
    if (!contains(new_items, item) && !contains(changes.removed, item)) changes.removed.push_back(item);
  for (const std::string& item : new_items)
    if (!contains(old_items, item) && !contains(changes.added, item)) changes.added.push_back(item);
  return changes;
}

std::string AppendedRecord(std::string_view context, std::string_view title, const std::vector<std::string>& added) {
  std::string record = "\r\n" + std::string(context) + "\t";
  if (added.empty() && title.empty()) return record;
  record += std::string(title) + "\t";
  for (const std::string& keyword : added) record += keyword + ";";
  return record;
}

bool BlankRemovedKeywords(std::string& database, std::string_view context, std::vector<std::string>& removed) {
  bool changed = false;
  std::string copy = database;
  ForEachLine(copy, [&](std::string_view line, size_t offset) {
    if (removed.empty() || IsDeletedRecord(line)) return;
    KeywordRecord record = ParseRecord(line);
    if (record.context != context || !record.has_keywords) return;
    std::string edited(line);
    const size_t field_start = record.keywords.data() - line.data();
    std::erase_if(removed, [&](const std::string& keyword) { return blank_in_field(edited, field_start, keyword); });
    if (edited == line) return;
    database.replace(offset, edited.size(), edited);
    changed = true;
  });
  return changed;
}

bool MarkRecordsDeleted(std::string& database, std::string_view context) {
  bool changed = false;
  ForEachLine(std::string(database), [&](std::string_view line, size_t offset) {
    if (line.empty() || ParseRecord(line).context != context) return;
    database[offset] = '@';
    changed = true;
  });
  return changed;
}

int UpdateKeys(std::string_view project_path, KeywordState& state, std::string_view context, std::string_view title,
               std::string_view old_keywords, std::string_view new_keywords, int mode) {
  if (mode == 7) return delete_topic(project_path, state, KeywordKind::a, context);
  if (mode == 8) return delete_topic(project_path, state, KeywordKind::k, context);
  if (mode < 0 || mode > 8) return 1;
  KeywordKind kind = mode == 0 ? KeywordKind::a : KeywordKind::k;
  return update_database(project_path, state, kind, context, title, old_keywords, new_keywords);
}

}  // namespace aids
