// A Windows 95 project with a few topics, a secondary window and a topic
// file for the jump and link dialog tests.
#pragma once
#include <string>
#include <vector>

#include "aids/keyword_files.h"
#include "core/settings.h"
#include "platform/profile.h"
#include "project/project_fixture.h"
#include "project/topics/topic_table.h"

namespace tw_test {

class JumpFixture : public ProjectFixture {
 protected:
  static constexpr const char* kProject = "c:\\help\\guide.hpj";
  static constexpr const char* kDocument = "c:\\help\\guide.rtf";

  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(kProject, "[OPTIONS]\r\n[FILES]\r\nguide.rtf\r\n");
    state.topic_files.add("guide.rtf");
    state.win95_compiler = 1;
    for (const char* name : {"IDH_Print_Setup", "IDH_Contents", "IDH_untitled"})
      project::AddOrUpdateTopic(state.data.topics, {name, "", 0, true});
    project::WindowRecord second;
    second.name = "second";
    state.data.windows.push_back(second);
  }
  // Tests pass window 0 (the owner window): a made-up handle could be one of
  // the host's own dialogs.
  // The lines of the transcript that are message boxes, in order.
  std::vector<std::string> messages() {
    std::vector<std::string> out;
    for (const auto& line : ui().transcript()) {
      if (line.rfind("message ", 0) == 0) out.push_back(line);
    }
    return out;
  }
  std::string option(const char* key) {
    return platform::get_profile_string(core::kOptionSection, key, "<none>", 256,
                                        core::option_file_path(kProject));
  }
  std::string setting(const char* key) {
    return platform::get_profile_string(core::kMainSection, key, "<none>", 256, core::kSettingsFile);
  }
};

}  // namespace tw_test
