#include "aids/keyword_search.h"

#include <algorithm>
#include <optional>

#include "platform/files.h"

namespace aids {
namespace {

bool carries_any(const std::vector<std::string>& carried, const std::vector<std::string>& wanted) {
  return std::any_of(wanted.begin(), wanted.end(), [&](const std::string& keyword) {
    return std::find(carried.begin(), carried.end(), keyword) != carried.end();
  });
}

bool already_found(const std::vector<FoundTopic>& found, const FoundTopic& topic) {
  return std::any_of(found.begin(), found.end(), [&](const FoundTopic& f) {
    return f.title == topic.title && f.context == topic.context;
  });
}

}  // namespace

// Keywords compare as whole items, blanks around them aside, so that a
// keyword whose neighbour was blanked out by an update is still found.
std::vector<FoundTopic> FindTopicsInDatabase(std::string_view database, std::string_view keywords) {
  const std::vector<std::string> wanted = KeywordItems(keywords);
  std::vector<FoundTopic> found;
  ForEachLine(database, [&](std::string_view line, size_t) {
    if (IsDeletedRecord(line)) return;
    KeywordRecord record = ParseRecord(line);
    if (!record.has_keywords || !carries_any(KeywordItems(record.keywords), wanted)) return;
    FoundTopic topic{std::string(record.title), std::string(record.context)};
    if (!already_found(found, topic)) found.push_back(std::move(topic));
  });
  return found;
}

std::vector<FoundTopic> FindTopicsByKeywords(std::string_view project_path, KeywordKind kind,
                                             std::string_view keywords) {
  std::optional<std::string> database = platform::read_file(database_path(project_path, kind));
  if (!database) return {};
  return FindTopicsInDatabase(*database, keywords);
}

}  // namespace aids
