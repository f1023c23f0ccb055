// twhost macros, buttons and windows: the project dialog's editors driven as
// an author would, with the libraries loaded as the caller loads them.
#include <filesystem>

#include "host/contents_flow.h"
#include "host/editor_flows.h"
#include "host/installation.h"
#include "host/libraries.h"
#include "host/outline_flow.h"
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

TEST_F(EditorFlows, BooksGoAtTheEndOfTheContentsAndTheRestStays) {
  const std::string before = tw_test::read_file(file("sample/sample.cnt"));
  ASSERT_EQ(host::run_contents(libs, script, {hpj, "book:Extras", "book:More"}), 0);
  // A book after a topic goes one level out; the next book follows it.
  EXPECT_EQ(tw_test::read_file(file("sample/sample.cnt")), before + "1 Extras\r\n1 More\r\n");
  EXPECT_EQ(host::run_contents(libs, script, {hpj, "chapter:Extras"}), 2);
}

TEST_F(EditorFlows, TheOutlineIsRebuiltFromTheContentsFile) {
  ASSERT_EQ(host::run_outline(libs, script, {hpj, "--from-contents"}), 0);
  EXPECT_EQ(tw_test::read_file(file("sample/sample.out")),
            "[OUTLINE]\r\n1 main.doc=\r\n2 Sample Help\r\n3 Welcome to the Sample Help=IDH_welcome\r\n"
            "3 Getting Started=IDH_getting_started\r\n2 Using the Program\r\n3 Printing a Document=IDH_printing\r\n"
            "3 Keyboard Shortcuts=IDH_shortcuts\r\n");
  EXPECT_EQ(tw_test::read_file(file("sample/sample.dw")), "[Settings]\r\nnum entries=7\r\nuse_master_doc=0\r\n");
  EXPECT_EQ(host::run_outline(libs, script, {hpj, "--fast"}), 2);
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
