// twhost macros, buttons and windows: the project dialog's editors driven as
// an author would, with the libraries loaded as the caller loads them.
#include <filesystem>

#include "host/editor_flows.h"
#include "host/installation.h"
#include "host/libraries.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

class EditorFlows : public tw_test::Fixture {
 protected:
  host::Libraries libs;
  host::ScriptSession script;
  std::string hpj;

  void SetUp() override {
    Fixture::SetUp();
    std::string error;
    ASSERT_TRUE(host::load_libraries(libs, error)) << error;
    host::ensure_installation();
    fs::copy(fs::path(TW_SOURCE_DIR) / "samples/sample", file("sample"), fs::copy_options::recursive);
    hpj = platform::to_system_path(file("sample/sample.hpj"));
  }
  std::string project_text() { return tw_test::read_file(file("sample/sample.hpj")); }
};

TEST_F(EditorFlows, MacrosAreAddedToTheStartupMacros) {
  ASSERT_EQ(host::run_macros(libs, script, {hpj, "About()", "EP(`notepad.exe a;b',1)"}), 0);
  const std::string text = project_text();
  EXPECT_NE(text.find("BrowseButtons()"), std::string::npos) << text;
  EXPECT_NE(text.find("About()"), std::string::npos) << text;
  EXPECT_NE(text.find("EP(`notepad.exe a:b',1)"), std::string::npos) << text;
  EXPECT_EQ(host::run_macros(libs, script, {hpj, "two\nlines"}), 2);
}

TEST_F(EditorFlows, ButtonsAreAddedToTheButtonBar) {
  ASSERT_EQ(host::run_buttons(libs, script, {hpj, "btn_web", "&Web", "EP(`web.exe',1)"}), 0);
  EXPECT_NE(project_text().find("CB(`btn_web', `&Web', `EP(`web.exe',1)')"), std::string::npos) << project_text();
  EXPECT_EQ(host::run_buttons(libs, script, {hpj, "btn_x", "&X"}), 2);
}

TEST_F(EditorFlows, WindowsAreDefinedInTheWindowEditor) {
  ASSERT_EQ(host::run_windows(libs, script, {hpj, "main", "Sample", "0", "0", "700", "1023", "note", "Notes",
                                             "700", "0", "323", "500"}),
            0);
  const std::string text = project_text();
  EXPECT_NE(text.find("main=\"Sample\",(0, 0, 700, 1023),0,(255, 255, 255),(192, 192, 192),0"), std::string::npos)
      << text;
  EXPECT_NE(text.find("note=\"Notes\",(700, 0, 323, 500),0,,,0"), std::string::npos) << text;
  EXPECT_EQ(host::run_windows(libs, script, {hpj, "note", "Notes", "700", "0", "323"}), 2);
  EXPECT_EQ(host::run_windows(libs, script, {hpj, "note", "Notes", "1024", "0", "323", "5"}), 2);
}

}  // namespace
