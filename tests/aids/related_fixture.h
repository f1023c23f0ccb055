// A related project beside the current one: "c:\help\two.hpj" with its own
// data file, listed in the related projects file the settings name.
#pragma once
#include <string>
#include <vector>

#include "core/topic_files.h"
#include "platform/paths.h"
#include "project/files/data_file_format.h"
#include "project/project_state.h"
#include "project/topics/topic_table.h"
#include "support/test_support.h"

namespace tw_test {

inline constexpr const char* kRelatedProject = "c:\\help\\two.hpj";
inline constexpr const char* kRelatedFile = "c:\\help\\group.rpj";

inline void add_related_project(project::ProjectState& state, const std::vector<std::string>& contexts) {
  write_file(platform::to_host_path(kRelatedProject), "[OPTIONS]\r\nTITLE=Two\r\n");
  project::ProjectData data;
  project::reset_project_data(data);
  for (const auto& c : contexts) project::AddOrUpdateTopic(data.topics, {c, "", 0, true});
  core::TopicFileList files;
  files.add("two.rtf");
  write_file(platform::to_host_path("c:\\help\\two.twz"), project::render_data_file(data, files, 1));
  write_file(platform::to_host_path(kRelatedFile),
             std::string("\r\n; Tarvenwick Related Projects File\r\n\r\n[PROJECTS]\r\n\r\n") + kRelatedProject +
                 ";Second\r\n");
  state.settings.work_group_file = kRelatedFile;
}

}  // namespace tw_test
