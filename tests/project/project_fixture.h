// A library state over a temporary root with helpers for project files.
#pragma once
#include <string>

#include "authoring/library_state.h"
#include "platform/paths.h"
#include "project/files/project_data.h"
#include "support/test_support.h"

namespace tw_test {

class ProjectFixture : public Fixture {
 protected:
  authoring::LibraryState state;

  void SetUp() override {
    Fixture::SetUp();
    project::reset_project_data(state.data);
  }
  // Host path of a system path under drive c:.
  std::string host(const std::string& system_path) { return platform::to_host_path(system_path); }
  // Makes `system_path` the current project, its file holding `bytes`.
  void use_project(const std::string& system_path, std::string_view bytes) {
    write_file(host(system_path), bytes);
    state.project_path = system_path;
    state.project_set = true;
  }
  // A hand-written fixture from tests/data/project.
  static std::string fixture(const std::string& name) {
    return read_file(std::string(TW_TEST_DATA) + "/project/" + name);
  }
  std::string text_of(const std::string& system_path) { return read_file(host(system_path)); }
  // A file that must end every line with CR LF, with its lines ended by LF
  // for comparing; a line ended otherwise fails the test.
  std::string crlf_text_of(const std::string& system_path) {
    std::string bytes = text_of(system_path), lf;
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
      EXPECT_TRUE(bytes[i] != '\n' || (i > 0 && bytes[i - 1] == '\r')) << "LF alone at byte " << i;
      EXPECT_NE(bytes[i], '\r') << "CR alone at byte " << i;
      lf += bytes[i];
    }
    return lf;
  }
};

}  // namespace tw_test
