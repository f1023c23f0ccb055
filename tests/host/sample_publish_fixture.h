// A copy of the bundled sample project in a temporary folder, published
// through both libraries as twhost does.
#pragma once
#include <filesystem>
#include <string>

#include "host/installation.h"
#include "host/libraries.h"
#include "host/project_checks.h"
#include "host/publish_flow.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace tw_test {

class SamplePublishFixture : public Fixture {
 protected:
  host::Libraries libs;
  std::string project;

  void SetUp() override {
    Fixture::SetUp();
    std::string error;
    ASSERT_TRUE(host::load_libraries(libs, error)) << error;
    host::ensure_installation();
    std::filesystem::copy(std::filesystem::path(TW_SOURCE_DIR) / "samples/sample", file("sample"),
                          std::filesystem::copy_options::recursive);
    project = platform::to_system_path(file("sample/sample.hpj"));
  }

  // Publishes the sample into the folder "site" with the named template.
  host::PublishResult publish(const std::string& template_name) {
    host::PublishResult result;
    host::Progress quiet(nullptr, false);
    std::string error;
    EXPECT_TRUE(host::publish_project(libs, project, platform::to_system_path(file("site")),
                                      host::template_path(template_name), quiet, result, error))
        << error;
    return result;
  }
};

}  // namespace tw_test
