#include "aids/related_targets.h"

#include <algorithm>

#include "core/project_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/files/data_file_format.h"
#include "project/project_state.h"

namespace aids {

bool is_current_project(const project::ProjectState& state, std::string_view project_path) {
  return project_path.empty() || text::iequals(project_path, state.project_path);
}

project::TopicTable project_topics(const project::ProjectState& state, std::string_view project_path) {
  if (is_current_project(state, project_path)) return state.data.topics;
  const auto bytes = platform::read_file(core::companion_file(project_path, ".twz"));
  if (!bytes) return {};
  project::ProjectData data;
  project::reset_project_data(data);
  project::DataFileExtras extras;
  if (project::parse_data_file(*bytes, data, extras).status != project::DataReadStatus::ok) return {};
  return std::move(data.topics);
}

std::vector<std::string> project_context_strings(const project::ProjectState& state,
                                                 std::string_view project_path) {
  std::vector<std::string> contexts;
  for (const auto& topic : project_topics(state, project_path))
    if (topic.live()) contexts.emplace_back(topic.name());
  std::sort(contexts.begin(), contexts.end(),
            [](const std::string& a, const std::string& b) { return text::to_lower(a) < text::to_lower(b); });
  return contexts;
}

std::string project_help_file(std::string_view project_path) {
  return std::string(platform::file_name_of(platform::replace_extension(project_path, ".hlp")));
}

}  // namespace aids
