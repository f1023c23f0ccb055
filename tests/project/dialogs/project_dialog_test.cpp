// SetOptions and the project dialogs, driven by headless scripts.
#include <filesystem>

#include "core/settings.h"
#include "platform/profile.h"
#include "platform/ui/resources.h"
#include "core/messages.h"
#include "project/dialogs/project_dialogs.h"
#include "project/files/project_file.h"
#include "project/files/project_update.h"
#include "project/project_fixture.h"
#include "platform/text.h"
#include "support/mixed_case_dir.h"

namespace {

using tw_test::ProjectFixture;

class ProjectDialogTest : public ProjectFixture {
 protected:
  const std::string hpj = "c:\\proj\\help.hpj";
  const std::string legacy =
      ";\n[OPTIONS]\nTITLE=Help\nCOMPRESS=OFF\n[FILES]\nintro.rtf\n"
      "[CONFIG]\nRR(\"tw95em.dll\", \"IsW95\", \"i=i\")\n[ALIAS]\nA=B\n";
  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(hpj, legacy);
    write_settings("[TARVENWICK]\nPROJECT=" + hpj + "\n");
    platform::write_profile_string("Project", "W95", "0", core::option_file_path(hpj));
  }
  void write_settings(const std::string& text) {
    tw_test::write_file(root() + "/windows/TRVWCK6.INI", text);
  }
  bool transcript_has(const std::string& needle) {
    for (const auto& line : ui().transcript()) {
      if (line.find(needle) != std::string::npos) return true;
    }
    return false;
  }
};

TEST_F(ProjectDialogTest, ResourcesOfTheProjectDialogsParse) {
  EXPECT_TRUE(ui::module_errors(core::authoring_module()).empty());
  const auto& res = ui::module_resources(core::authoring_module());
  for (const char* name : {"DLG_PRJ", "DLG_MORE_OPT", "DLG_MORE_OPT2", "DLG_PREF", "DLG_APPHLP",
                           "DLG_CX", "DLG_IMPORT_IDS", "DLG_IMPORT1"}) {
    EXPECT_NE(res.dialog(name), nullptr) << name;
  }
  EXPECT_EQ(core::resource_string(5014), "TWRestoreSize(0)\n");
}

TEST_F(ProjectDialogTest, WithoutAProjectSetOptionsReturnsZero) {
  write_settings("[TARVENWICK]\nPROJECT=\n");
  EXPECT_EQ(project::SetOptions(state, 5), 0);
}

// Reads the project path the dialog shows once it has started.
class ShownProjectPath : public project::ProjectDialog {
 public:
  using ProjectDialog::ProjectDialog;
  void on_init(ui::Dialog& dialog) override {
    ProjectDialog::on_init(dialog);
    shown = dialog.text(kProjectPath);
    related = dialog.text(kRelatedFile);
  }
  std::string shown, related;
};

TEST_F(ProjectDialogTest, TheProjectShowsAsItsHostPathSpelledAsOnDisk) {
  tw_test::MixedCaseDir dir;
  const std::string hpj_on_disk = dir.file("My Help/Guide.hpj");
  tw_test::write_file(hpj_on_disk, legacy);
  state.project_path = text::to_lower(platform::to_system_path(hpj_on_disk));
  ShownProjectPath dialog(state);
  ui().queue_script("dialog DLG_PRJ\nclick 2\n");
  ui().run_modal(core::authoring_module(), "DLG_PRJ", dialog, 0);
  EXPECT_EQ(dialog.shown, hpj_on_disk);
}

// The related projects file shows as its host path; left alone it stays as
// stored, chosen by its host path it is stored in the drive form.
TEST_F(ProjectDialogTest, TheRelatedProjectsFileShowsAsItsHostPath) {
  tw_test::MixedCaseDir dir;
  const std::string rpj = dir.file("Help Group/Group.rpj"), other = dir.file("Help Group/Other.rpj");
  tw_test::write_file(rpj, "[PROJECTS]\r\n");
  const std::string stored = text::to_lower(platform::to_system_path(rpj));
  state.settings.work_group_file = stored;
  ShownProjectPath unchanged(state);
  ui().queue_script("dialog DLG_PRJ\nclick 1\n");
  ui().run_modal(core::authoring_module(), "DLG_PRJ", unchanged, 0);
  EXPECT_EQ(unchanged.related, rpj);
  EXPECT_EQ(state.settings.work_group_file, stored);

  ShownProjectPath typed(state);
  ui().queue_script("dialog DLG_PRJ\nclick IDC_PRJ_SELECT_RELATED\nfile " + other + "\nclick 1\n");
  ui().run_modal(core::authoring_module(), "DLG_PRJ", typed, 0);
  EXPECT_EQ(state.settings.work_group_file, platform::to_system_path(other));
  EXPECT_EQ(core::read_setting("Work Group File", "", 260), platform::to_system_path(other));
}

TEST_F(ProjectDialogTest, CompilerOptionsAreWrittenToTheProjectFile) {
  ui().queue_script(
      "dialog DLG_PRJ\nclick 110\ndialog DLG_MORE_OPT\nset 101 Widget Help\nclick 213\n"
      "click 110\ndialog DLG_MORE_OPT2\nset 103 WIN\ndblclick 104 0\nset 101 \xA9 Widgets\n"
      "click 1\nclick 1\nclick 1\n");
  state.data.build_tags = {"DRAFT"};
  EXPECT_EQ(project::SetOptions(state, 5), 1);
  const std::string out = text_of(hpj);
  EXPECT_NE(out.find("\nTITLE=Widget Help\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\nCOMPRESS=HIGH\n"), std::string::npos);
  EXPECT_NE(out.find("\nBUILD=WIN DRAFT\n"), std::string::npos);
  EXPECT_NE(out.find("\nCOPYRIGHT=\xB8 Widgets\n"), std::string::npos);
  EXPECT_NE(out.find("[ALIAS]\nA=B\n"), std::string::npos);
}

TEST_F(ProjectDialogTest, SwitchingCompilersExchangesTheFamilyFiles) {
  ui().queue_script("dialog DLG_PRJ\nclick 201\nclick 1\n");
  EXPECT_EQ(project::SetOptions(state, 5), 2);  // emulation was on before
  EXPECT_EQ(text_of("c:\\proj\\help.p31"), legacy);
  const std::string win95 = text_of(hpj);
  EXPECT_NE(win95.find("proc1=\"Help\""), std::string::npos);
  EXPECT_EQ(platform::get_profile_int("Project", "W95", -7, core::option_file_path(hpj)), 1);

  ui().queue_script("dialog DLG_PRJ\nclick 202\nclick 1\n");
  EXPECT_EQ(project::SetOptions(state, 5), 3);  // emulation is on in the Windows 3.1 file
  EXPECT_EQ(text_of("c:\\proj\\help.p95"), win95);
  EXPECT_EQ(state.win95_compiler, 0);
  EXPECT_NE(text_of(hpj).find("[ALIAS]\nA=B\n"), std::string::npos);
}

TEST_F(ProjectDialogTest, PathsButtonEditsTheSixCompilerPaths) {
  ui().queue_script(
      "dialog DLG_PRJ\nclick 111\ndialog DLG_SET_PATHS\nset 101 c:\\hcw\\hcw.exe\nclick 113\n"
      "file c:\\old\\hc.exe\nset 106 c:\\tools\\shed.exe\nclick 1\nclick 1\n");
  EXPECT_EQ(project::SetOptions(state, 5), 1);
  EXPECT_TRUE(ui().pending_script().empty());
  EXPECT_TRUE(transcript_has("dialog DLG_SET_PATHS \"Set Help Compiler/Tools Paths\" -> 1"));
  EXPECT_TRUE(transcript_has("filedialog open \"*.exe\" -> c:\\old\\hc.exe"));
  auto setting = [](const char* key) {
    return platform::get_profile_string("COMPILERS", key, "(missing)", 129, "TRVWCK6.INI");
  };
  EXPECT_EQ(setting("hcw"), "c:\\hcw\\hcw.exe");
  EXPECT_EQ(setting("hc30"), "c:\\old\\hc.exe");
  EXPECT_EQ(setting("shed"), "c:\\tools\\shed.exe");
  for (const char* key : {"hcp", "bmp", "wmf"}) EXPECT_NE(setting(key), "(missing)") << key;
  EXPECT_EQ(state.settings.compilers.hc30, "c:\\old\\hc.exe");
}

TEST_F(ProjectDialogTest, Hc30IsChosenOnlyAfterTheWarning) {
  ui().queue_script("dialog DLG_PRJ\nclick 203\nmessage Cancel\nclick 1\n");
  project::SetOptions(state, 5);
  EXPECT_EQ(state.compiler_kind, 1);
  EXPECT_TRUE(transcript_has("Warning: Selecting HC30 may result in loss"));
  ui().queue_script("dialog DLG_PRJ\nclick 203\nmessage OK\nclick 1\n");
  project::SetOptions(state, 5);
  EXPECT_EQ(state.compiler_kind, 2);
  EXPECT_EQ(text_of(hpj).find("ERRORLOG"), std::string::npos);
}

TEST_F(ProjectDialogTest, HelpWorkshopThatCannotRunIsReported) {
  write_settings("[TARVENWICK]\nPROJECT=" + hpj + "\n[COMPILERS]\nhcw=c:\\nowhere\\hcw.exe\n");
  ui().queue_script("dialog DLG_PRJ\nclick 113\nclick 2\n");
  project::SetOptions(state, 5);
  EXPECT_TRUE(transcript_has("Tarvenwick is uanble to locate or run the Help Workshop/Compiler"));
}

TEST_F(ProjectDialogTest, WhileHelpWorkshopRunsTheEditorsAndCloseWait) {
  const std::string script = file("hcw.sh");
  tw_test::write_file(script, "#!/bin/sh\nsleep 2\n");
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  write_settings("[TARVENWICK]\nPROJECT=" + hpj + "\n[COMPILERS]\nhcw=" + script + "\n");
  ui().queue_script("dialog DLG_PRJ\nclick 113\nclick 123\nclick 1\nclick 2\n");
  EXPECT_EQ(project::SetOptions(state, 5), 1);
  int refusals = 0;
  for (const auto& line : ui().transcript()) {
    if (line.find("You must close Help Workshop first.") != std::string::npos) ++refusals;
  }
  EXPECT_EQ(refusals, 2);
}

TEST_F(ProjectDialogTest, PreferencesKeepTheSettingsAndAValidPrefix) {
  ui().queue_script(
      "dialog DLG_PRJ\nclick 112\ndialog DLG_PREF\nclick 203\nset 105 a b\nclick 1\n"
      "set 105 HLP_\ncheck 107 1\nclick 1\nclick 2\n");
  project::SetOptions(state, 5);
  EXPECT_TRUE(transcript_has("Context strings may contain only letters, digits and underscores."));
  EXPECT_EQ(platform::get_profile_string("TARVENWICK", "Long Names", "", 10, "TRVWCK6.INI"), "2");
  EXPECT_EQ(state.data.topics.prefix, "HLP_");
  // The jump preferences live in the data file's preference words.
  EXPECT_EQ(state.data.preferences.words[1], 0);
  EXPECT_EQ(state.data.preferences.words[2], 1);
  EXPECT_TRUE(state.data_dirty);
}

TEST_F(ProjectDialogTest, ApplicationHelpSetsTheMapFiles) {
  ui().queue_script(
      "dialog DLG_PRJ\nclick 123\ndialog DLG_APPHLP\nclick 205\nset 101 ids.h\n"
      "set 104 extra.h\nclick 1\nclick 2\n");
  project::SetOptions(state, 5);
  EXPECT_EQ(state.data.map.mode, project::kMapAll);
  EXPECT_NE(text_of(hpj).find("[MAP]\n#include <ids.h>\n#include <extra.h>\n"), std::string::npos);
}

TEST_F(ProjectDialogTest, Windows95ProjectGetsOnlyTheChangedOptions) {
  use_project(hpj, fixture("hcw95.hpj"));
  state.win95_compiler = 1;
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  const auto before = state.data.project;
  state.data.project.title = "Gadget Guide";
  ASSERT_EQ(project::StoreProjectOptions(state, before), 1);
  const std::string out = text_of(hpj);
  EXPECT_NE(out.find("TITLE=Gadget Guide\r\n"), std::string::npos);
  EXPECT_NE(out.find("LCID=0x409 0x0 0x0 ; English (United States)\r\n"), std::string::npos);
  EXPECT_EQ(out.find("COMPRESS"), std::string::npos);
  EXPECT_NE(out.find("BMROOT=c:\\gadget\\more"), std::string::npos);
}

TEST_F(ProjectDialogTest, AddTagReachesTheProjectFile) {
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  EXPECT_EQ(project::AddTAG(state, " WIN "), 1);
  EXPECT_NE(text_of(hpj).find("[BUILDTAGS]\nWIN\n"), std::string::npos);
  EXPECT_EQ(project::AddTAG(state, ""), 0);
  for (int i = 1; i < project::kMaxBuildTags; ++i) project::AddTAG(state, "T" + std::to_string(i));
  EXPECT_EQ(project::AddTAG(state, "ONE_TOO_MANY"), 0);
  EXPECT_EQ(project::AddTAG(state, "win"), 1);  // already listed
}

}  // namespace
