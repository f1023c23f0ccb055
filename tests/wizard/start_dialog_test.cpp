// The start dialog: the recent-project list, opening and creating projects.
#include "wizard/dialogs/wizard_entry.h"
#include "wizard/project_file.h"
#include "wizard/projects/recent_projects.h"
#include "wizard_fixture.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "support/mixed_case_dir.h"

namespace wizard {
namespace {

class StartDialogTest : public tw_test::WizardFixture {
 protected:
  int start() { return start_up(state.files, 0, initialised); }
  bool initialised = false;
};

TEST(RecentProjects, ReadsAndRebuildsTheList) {
  EXPECT_EQ(recent_projects("a.lfc;*hidden.lfc;; b.lfc ;"), (std::vector<std::string>{"a.lfc", "b.lfc"}));
  auto exists = [](std::string_view p) { return p != "gone.lfc"; };
  EXPECT_EQ(recent_projects_with_first("b.lfc", {"a.lfc", "gone.lfc", "B.LFC", "c.lfc"}, exists),
            "b.lfc;a.lfc;c.lfc;");
  // Whole entries only: the list stops before one that would not fit.
  std::vector<std::string> many(300, "");
  for (std::size_t i = 0; i < many.size(); ++i) many[i] = "c:\\projects\\p" + std::to_string(i) + ".lfc";
  std::string list = recent_projects_with_first("first.lfc", many, exists);
  EXPECT_LE(list.size(), 1999u);
  EXPECT_EQ(list.back(), ';');
  EXPECT_EQ(recent_projects(list).back().substr(0, 13), "c:\\projects\\p");
}

TEST_F(StartDialogTest, OkMovesTheChoiceFirstAndDropsProjectsThatAreGone) {
  project_from("standard.lfc");
  tw_test::write_file(file("pub/other.lfc"), "[Settings]\r\n");
  ini("Locations", "PROJ LIST", "c:\\pub\\other.lfc;c:\\gone\\old.lfc;*c:\\pub\\book.lfc;c:\\pub\\book.lfc;");
  ini("Project", "batchmode", "1");
  // The list shows host paths; what is written back is the stored form.
  ui().queue_script("dialog DLG_START\nselect IDC_START_PROJECTS " + platform::to_host_path("c:\\pub\\book.lfc") +
                    "\nclick 1\n");
  EXPECT_EQ(start(), 1);
  EXPECT_TRUE(initialised);
  EXPECT_EQ(ini_value("Project", "proj"), "c:\\pub\\book.lfc");
  EXPECT_EQ(ini_value("Locations", "PROJ LIST"), "c:\\pub\\book.lfc;c:\\pub\\other.lfc;");
  EXPECT_EQ(ini_value("Project", "batchmode"), "0");
}

TEST_F(StartDialogTest, TheListShowsHostPathsSpelledAsOnDisk) {
  tw_test::MixedCaseDir dir;
  const std::string shown = dir.file("Pub Lib/Book.lfc");
  tw_test::write_file(shown, "[Settings]\r\n");
  tw_test::write_file(dir.file("Pub Lib/Other.lfc"), "[Settings]\r\n");
  const std::string book = text::to_lower(platform::to_system_path(shown));
  const std::string other = text::to_lower(platform::to_system_path(dir.file("Pub Lib/Other.lfc")));
  ini("Locations", "PROJ LIST", other + ";" + book + ";");
  ui().queue_script("dialog DLG_START\nselect IDC_START_PROJECTS " + shown + "\nclick 1\n");
  EXPECT_EQ(start(), 1);
  for (const auto& line : ui().transcript()) EXPECT_EQ(line.rfind("ignored", 0), std::string::npos) << line;
  EXPECT_EQ(ini_value("Project", "proj"), book);
  EXPECT_EQ(ini_value("Locations", "PROJ LIST"), book + ";" + other + ";");
}

TEST_F(StartDialogTest, CancelChangesNoProject) {
  ini("Locations", "PROJ LIST", "c:\\gone\\old.lfc;");
  ui().queue_script("dialog DLG_START\nclick 2\n");
  EXPECT_EQ(start(), 0);
  EXPECT_FALSE(initialised);
  EXPECT_EQ(ini_value("Locations", "PROJ LIST"), "c:\\gone\\old.lfc;");
}

TEST_F(StartDialogTest, NewProjectFromATemplate) {
  ini("Settings", "home", "https://example.org/");
  ui().queue_script(
      "dialog DLG_START\nclick IDC_START_NEW\n"
      "dialog DLG_CREPRJ\nset IDC_CREPRJ_NAME guide\ncheck IDC_CREPRJ_USE_TEMPLATE 1\n"
      "set IDC_CREPRJ_TEMPLATE \nclick 1\nmessage OK\n"
      "set IDC_CREPRJ_TEMPLATE c:\\trvwck\\templates\\modern.lfc\nclick 1\n"
      "click 1\n");
  EXPECT_EQ(start(), 1);
  EXPECT_EQ(ui().transcript()[0],
            "message \"You must select a project to use as a template.\" caption=\"Tarvenwick HTML "
            "Wizard\" icon=none -> OK");
  const std::string made = "c:\\trvwck\\projects\\guide.lfc";
  EXPECT_EQ(ini_value("Project", "proj"), made);
  ProjectSettings project = read_project_settings(made);
  EXPECT_EQ(project.settings.hlo, "C[B]");
  EXPECT_EQ(project.settings.headcode, 1);
  EXPECT_TRUE(tw_test::exists(file("trvwck/projects/guide.lfh")));

  // The same name again: the author is asked before it is replaced.
  ui().queue_script("dialog DLG_START\nclick IDC_START_NEW\n"
                    "dialog DLG_CREPRJ\nset IDC_CREPRJ_NAME guide\ncheck IDC_CREPRJ_USE_TEMPLATE 0\n"
                    "click 1\nmessage No\nclick 2\nclick 2\n");
  EXPECT_EQ(start(), 0);
  EXPECT_EQ(read_project_settings(made).settings.hlo, "C[B]");
}

}  // namespace
}  // namespace wizard
