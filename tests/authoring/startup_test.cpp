#include "authoring/startup.h"

#include "authoring/library_state.h"
#include "authoring/lifecycle.h"
#include "support/core_fixture.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "support/mixed_case_dir.h"

namespace {

using tw_test::CoreFixture;

class StartupTest : public CoreFixture {
 protected:
  std::string document;
  void SetUp() override {
    CoreFixture::SetUp();
    authoring::InitTW(state, 5, -97);
    ui().clear_transcript();
  }
  std::string opt(const std::string& key, const std::string& project) {
    return platform::get_profile_string("Project", key, "?", 100,
                                        platform::replace_extension(project, ".opt"));
  }
};

TEST_F(StartupTest, CreatesANewProject) {
  const std::string hpj = file("new/guide.hpj");
  ui().queue_script("dialog DLG_START\nclick 580\ndialog DLG_CREPRJ\nset 101 " + hpj +
                    "\ncheck 202 1\nclick 1\n");
  EXPECT_EQ(authoring::TWStartUp(state, 5, document), 2);
  EXPECT_EQ(document, text::to_upper(file("new/topfile1")) + ".doc");
  EXPECT_TRUE(tw_test::exists(hpj));
  EXPECT_TRUE(state.project_set);
  EXPECT_EQ(state.win95_compiler, 0);
  ASSERT_EQ(state.topic_files.count(), 1);
  EXPECT_EQ(state.topic_files.name(0), "topfile1.rtf");
  EXPECT_EQ(opt("Bul Indent", hpj), ".15\"");
  EXPECT_EQ(opt("Num Sep", hpj), "");
  EXPECT_EQ(platform::get_profile_string("TARVENWICK", "PROJ LIST", "", 500, "TRVWCK6.INI"), hpj + ";");
  EXPECT_EQ(platform::get_profile_string("TARVENWICK", "PROJECT", "", 500, "TRVWCK6.INI"), hpj);
}

TEST_F(StartupTest, CreatingOverAnExistingProjectAsksFirst) {
  const std::string hpj = make_project("keep.hpj", "intro.rtf\r\n");
  const std::string before = tw_test::read_file(hpj);
  ui().queue_script("dialog DLG_START\nclick 580\ndialog DLG_CREPRJ\nset 101 " + hpj +
                    "\nclick 1\nmessage No\nclick 2\nclick 2\n");
  EXPECT_EQ(authoring::TWStartUp(state, 5, document), 0);
  EXPECT_EQ(tw_test::read_file(hpj), before);
}

TEST_F(StartupTest, OpensARecentProjectAndReturnsItsFirstTopicFile) {
  const std::string other = make_project("other.hpj", "a.rtf\r\n");
  const std::string hpj = make_project("help.hpj", "Intro.rtf\r\nsecond.rtf\r\n");
  tw_test::write_file(file("proj/intro.rtf"), "{\\rtf1}");
  write_settings("[TARVENWICK]\r\nPROJ LIST=" + other + ";" + file("gone.hpj") + ";" + hpj + ";\r\n");
  // The list shows only the projects that exist; the script picks one by its text.
  ui().queue_script("dialog DLG_START\nselect 101 " + hpj + "\nclick 1\n");
  EXPECT_EQ(authoring::TWStartUp(state, 5, document), 1);
  EXPECT_EQ(document, text::to_upper(file("proj/intro")) + ".RTF");
  EXPECT_EQ(platform::get_profile_string("TARVENWICK", "PROJ LIST", "", 1000, "TRVWCK6.INI"),
            hpj + ";" + other + ";" + file("gone.hpj") + ";");
}

TEST_F(StartupTest, TheRecentListShowsHostPathsAndOpensTheProjectAsStored) {
  tw_test::MixedCaseDir dir;
  const std::string shown = dir.file("My Help/Guide.hpj");
  tw_test::write_file(shown, ";\r\n[OPTIONS]\r\nTITLE=Test\r\n\r\n[FILES]\r\nIntro.rtf\r\n");
  tw_test::write_file(dir.file("My Help/Intro.rtf"), "{\\rtf1}");
  const std::string stored = text::to_lower(platform::to_system_path(shown));
  write_settings("[TARVENWICK]\r\nPROJ LIST=" + stored + ";\r\n");
  ui().queue_script("dialog DLG_START\nselect 101 " + shown + "\nclick 1\n");
  EXPECT_EQ(authoring::TWStartUp(state, 5, document), 1);
  for (const auto& line : ui().transcript()) EXPECT_EQ(line.rfind("ignored", 0), std::string::npos) << line;
  EXPECT_TRUE(state.project_set);
  EXPECT_TRUE(text::iequals(state.project_path, stored)) << state.project_path;
  EXPECT_EQ(platform::get_profile_string("TARVENWICK", "PROJ LIST", "", 1000, "TRVWCK6.INI"), stored + ";");
}

TEST_F(StartupTest, LastFileOfTheOptionFileIsReopened) {
  const std::string hpj = make_project("help.hpj", "intro.rtf\r\nsecond.rtf\r\n");
  const std::string second = file("proj/second.doc");
  tw_test::write_file(second, "doc");
  tw_test::write_file(file("proj/help.opt"), "[Project]\r\nlast file=" + second + "\r\n");
  ui().queue_script("dialog DLG_START\nclick 102\nfile " + hpj + "\n");
  EXPECT_EQ(authoring::TWStartUp(state, 5, document), 1);
  EXPECT_EQ(document, second);
}

TEST_F(StartupTest, ProjectWithoutTopicFilesIsTreatedAsNew) {
  const std::string hpj = make_project("empty.hpj", "");
  ui().queue_script("dialog DLG_START\nclick 102\nfile " + hpj + "\n");
  EXPECT_EQ(authoring::TWStartUp(state, 5, document), 2);
  EXPECT_EQ(state.topic_files.name(0), "topfile1.rtf");
  EXPECT_NE(tw_test::read_file(hpj).find("topfile1.rtf"), std::string::npos);
}

TEST_F(StartupTest, CancelReturnsZeroAndChangesNothing) {
  ui().queue_script("dialog DLG_START\nclick 2\n");
  EXPECT_EQ(authoring::TWStartUp(state, 5, document), 0);
  EXPECT_FALSE(state.project_set);
  EXPECT_EQ(ui().transcript().back(), "dialog DLG_START \"Tarvenwick\" -> 0");
}

TEST_F(StartupTest, QuickStartIsRememberedAndStartsItsHelp) {
  const std::string hpj = make_project("help.hpj", "intro.rtf\r\n");
  ui().queue_script("dialog DLG_START\ncheck 103 1\nclick 102\nfile " + hpj + "\n");
  authoring::TWStartUp(state, 5, document);
  EXPECT_EQ(platform::get_profile_string("TARVENWICK", "quick_start", "", 10, "TRVWCK6.INI"), "1");
  bool started = false;
  for (const auto& line : ui().transcript()) {
    if (line.rfind("exec \"winhlp32.exe -W wiz -N 1000 c:\\trvwck\\qsa.hlp\"", 0) == 0) started = true;
  }
  EXPECT_TRUE(started);
}

}  // namespace
