// A root folder with an installation (main directory with the shipped
// templates and graphics), twzhtml.ini naming it, and a current project.
#pragma once
#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/profile.h"
#include "support/test_support.h"
#include "wizard/conversion_state.h"

namespace tw_test {

class WizardFixture : public Fixture {
 protected:
  // The project the dialogs work on, as the system names it and as a host path.
  static constexpr const char* kProject = "c:\\pub\\book.lfc";
  std::string host_project() const { return file("pub/book.lfc"); }

  void SetUp() override {
    Fixture::SetUp();
    namespace fs = std::filesystem;
    const fs::path data = fs::path(TW_SOURCE_DIR) / "data";
    fs::create_directories(file("trvwck"));
    fs::copy(data / "templates", file("trvwck/templates"), fs::copy_options::recursive);
    fs::copy(data / "graphics", file("trvwck/graphics"), fs::copy_options::recursive);
    fs::create_directories(file("pub"));
    ini("Locations", "main dir", "c:\\trvwck");
    ini("Locations", "template", "c:\\trvwck\\templates\\standard.lfc");
    ini("Project", "proj", kProject);
  }

  // A key of twzhtml.ini.
  void ini(const char* section, const char* key, const std::string& value) {
    platform::write_profile_string(section, key, value, "twzhtml.ini");
  }
  std::string ini_value(const char* section, const char* key) {
    return platform::get_profile_string(section, key, "(none)", 2000, "twzhtml.ini");
  }
  std::string project_value(const char* section, const char* key) {
    return platform::get_profile_string(section, key, "(none)", 2000, kProject);
  }
  // Makes the current project a copy of a shipped template.
  void project_from(const std::string& name) {
    write_file(host_project(), read_file(file("trvwck/templates/" + name)));
  }

  wizard::ConversionState state;
};

}  // namespace tw_test
