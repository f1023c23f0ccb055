#include "aids/keyword_files.h"

#include "core/project_paths.h"
#include "platform/text.h"

namespace aids {

std::string database_path(std::string_view project_path, KeywordKind kind) {
  return core::companion_file(project_path, kind == KeywordKind::k ? ".kdb" : ".adb");
}

std::string cache_path(std::string_view project_path, KeywordKind kind) {
  return core::companion_file(project_path, kind == KeywordKind::k ? ".srt" : ".ast");
}

KeywordRecord ParseRecord(std::string_view line) {
  KeywordRecord record;
  size_t first = line.find('\t');
  record.context = line.substr(0, first);
  if (first == std::string_view::npos) return record;
  size_t second = line.find('\t', first + 1);
  record.title = line.substr(first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1);
  if (second == std::string_view::npos) return record;
  record.keywords = line.substr(second + 1);
  record.has_keywords = true;
  return record;
}

std::vector<std::string> KeywordItems(std::string_view field) {
  std::vector<std::string> items;
  for (const std::string& item : text::split(field, ';')) {
    std::string_view trimmed = text::trim(item);
    if (!trimmed.empty()) items.emplace_back(trimmed);
  }
  return items;
}

}  // namespace aids
