#include "contents/outline_topics.h"

#include <algorithm>
#include <unordered_map>

#include "contents/entry_fields.h"
#include "core/project_paths.h"
#include "platform/text.h"
#include "project/project_state.h"
#include "project/topics/topic_titles.h"

namespace contents {

std::vector<std::string> outline_topic_list(const project::ProjectState& state, bool sorted) {
  return outline_topic_list(state.data.topics, state.project_path, sorted);
}

std::vector<std::string> outline_topic_list(const project::TopicTable& table, std::string_view project_path,
                                            bool sorted) {
  std::unordered_map<std::string, std::string> titled;  // lower-case context -> entry
  for (auto& entry : project::keyword_database_titles(core::companion_file(project_path, ".kdb"))) {
    const TopicChoice choice = topic_choice(entry);
    titled.emplace(text::to_lower(choice.context), std::move(entry));
  }
  std::vector<std::string> lines;
  for (const auto& topic : table) {
    if (!topic.live()) continue;
    const std::string name(topic.name());
    const auto found = titled.find(text::to_lower(name));
    lines.push_back(found != titled.end() ? found->second : "# {" + name + "}");
  }
  if (sorted) {
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
      return text::to_lower(a) < text::to_lower(b);
    });
  }
  return lines;
}

TopicChoice topic_choice(std::string_view line) {
  if (is_placeholder_title(line) && line.ends_with('}') && line.find('=') == std::string_view::npos)
    return {std::string(line), std::string(line.substr(3, line.size() - 4))};
  const auto equals = line.rfind('=');
  if (equals == std::string_view::npos) return {std::string(line), {}};
  return {std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))};
}

}  // namespace contents
