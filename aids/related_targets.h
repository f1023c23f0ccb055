// The topics a target dialog offers after the related-projects list chose a
// project: the current project's from the library state, another project's
// from its own data file, which is only read, never written.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "project/topics/topic_table.h"

namespace project {
struct ProjectState;
}

namespace aids {

bool is_current_project(const project::ProjectState& state, std::string_view project_path);
// The topic table of a project; empty when another project has no sound
// data file.
project::TopicTable project_topics(const project::ProjectState& state, std::string_view project_path);
// The live context strings of a project, sorted without case.
std::vector<std::string> project_context_strings(const project::ProjectState& state,
                                                 std::string_view project_path);
// The help file a project compiles to: its file name with ".hlp".
std::string project_help_file(std::string_view project_path);

}  // namespace aids
