#include "core/settings.h"

#include "authoring/library_state.h"
#include "authoring/lifecycle.h"
#include "core/language.h"
#include "support/core_fixture.h"
#include "platform/profile.h"

namespace {

using tw_test::CoreFixture;
class SettingsTest : public CoreFixture {};

TEST_F(SettingsTest, DefaultsWhenTheFileIsMissing) {
  project::LoadSettings(state);
  const auto& s = state.settings;
  EXPECT_EQ(s.long_names, 1);
  EXPECT_EQ(s.help_file, "TRVWCK.HLP");
  EXPECT_TRUE(s.compile_in_background);
  EXPECT_TRUE(s.compile_beep);
  EXPECT_EQ(s.word_version, 2);
  EXPECT_EQ(s.compilers.hcw, "HCW.EXE");
  EXPECT_EQ(s.custom_colours[0], 0xA3D0F1u);
  EXPECT_EQ(s.custom_colours[15], 0xF8AFB3u);
  EXPECT_FALSE(state.project_set);
}

TEST_F(SettingsTest, EmptyBitmapDirectoryBecomesTheMainDirectorysAndIsWrittenBack) {
  write_settings("[TARVENWICK]\r\nMain Directory=c:\\trvwck\r\nBITMAP_DIR=\r\n");
  project::LoadSettings(state);
  EXPECT_EQ(state.settings.bitmap_dir, "c:\\trvwck\\TW_BMAPS");
  EXPECT_NE(settings_text().find("BITMAP_DIR=c:\\trvwck\\TW_BMAPS"), std::string::npos);
}

TEST_F(SettingsTest, EmptyCompilerPathsReadAsLowerCaseNames) {
  write_settings("[COMPILERS]\r\nhc30=\r\nhcw=\r\nhcp=c:\\tools\\hcp.exe\r\n");
  project::LoadSettings(state);
  EXPECT_EQ(state.settings.compilers.hc30, "hc.exe");
  EXPECT_EQ(state.settings.compilers.hcw, "hcw.exe");
  EXPECT_EQ(state.settings.compilers.hcp, "c:\\tools\\hcp.exe");
}

TEST_F(SettingsTest, CustomColoursSurviveTheirTwoFormats) {
  project::LoadSettings(state);
  state.settings.custom_colours[3] = 0x123456;
  core::SaveSettings(state);
  EXPECT_NE(settings_text().find("Custom Colors1=A3D0F1 E7FDB7 C9D6EB  123456 D5C4FB DFDFDF D2F5C9 5966FD"),
            std::string::npos);
  authoring::LibraryState again;
  project::LoadSettings(again);
  EXPECT_EQ(again.settings.custom_colours, state.settings.custom_colours);
}

TEST_F(SettingsTest, SaveWritesItsKeysInOrder) {
  project::LoadSettings(state);
  core::SaveSettings(state);
  std::string text = settings_text();
  size_t last = 0;
  for (const char* key : {"PROJECT=", "Custom Colors1=", "Custom Colors2=", "Bullet Type=",
                          "Goto Tab=0", "COMPILE IN BKGRND=1", "COMPILE BEEP=1", "srch auto=0"}) {
    size_t at = text.find(key);
    ASSERT_NE(at, std::string::npos) << key;
    EXPECT_GT(at, last) << key;
    last = at;
  }
}

TEST_F(SettingsTest, ProjectWithoutHpjIsNoProjectAndIsSavedEmpty) {
  tw_test::write_file(file("proj/notes.txt"), "x");
  write_settings("[TARVENWICK]\r\nPROJECT=" + file("proj/notes.txt") + "\r\n");
  project::LoadSettings(state);
  EXPECT_FALSE(state.project_set);
  EXPECT_EQ(state.project_path, "");
  core::SaveSettings(state);
  EXPECT_NE(settings_text().find("PROJECT=\r\n"), std::string::npos);
}

TEST_F(SettingsTest, GarbageAndOverlongValuesFallBackOrAreCut) {
  write_settings("garbage without section\r\n[TARVENWICK\r\n=\r\n[TARVENWICK]\r\nGoto Tab=abc\r\n"
                 "Bullet Type=" + std::string(400, 'b') + "\r\nLanguage=-5\r\n");
  project::LoadSettings(state);
  EXPECT_EQ(state.settings.goto_tab, 0);
  EXPECT_EQ(state.settings.bullet_type.size(), 255u);
  // A language out of range is kept as written, and the field names the
  // library hands out are then the English ones.
  EXPECT_EQ(state.settings.language, -5);
  EXPECT_EQ(core::GetLang(state)[0], "MACROBUTTON ");
  authoring::LibraryState english;
  EXPECT_EQ(core::GetLang2(state), core::GetLang2(english));
}

TEST_F(SettingsTest, FailedProjectWriteIsReportedAndTheOtherKeysStillWritten) {
  // A folder where the settings file should be makes every write fail.
  tw_test::write_file(root() + "/windows/TRVWCK6.INI/blocker", "");
  core::SaveSettings(state);
  ASSERT_FALSE(ui().transcript().empty());
  EXPECT_EQ(ui().transcript()[0], "message \"INI write failed\" caption=\"\" icon=none -> OK (default)");
}

TEST_F(SettingsTest, ProjectWithLcidBecomesAWindows95ProjectWithAnErrorLog) {
  std::string hpj = make_project("lcid.hpj", "a.rtf\r\n");
  tw_test::write_file(hpj, ";\r\n[OPTIONS]\r\nLCID=0x409 0x0 0x0\r\n\r\n[FILES]\r\na.rtf\r\n");
  state.project_path = hpj;
  core::LoadProjectOptions(state);
  EXPECT_EQ(state.win95_compiler, 1);
  EXPECT_EQ(platform::get_profile_string("OPTIONS", "ERRORLOG", "", 200, hpj),
            file("proj/lcid.log"));
}

TEST_F(SettingsTest, ProjectWithoutLcidUsesAWindows3Compiler) {
  state.project_path = make_project("old.hpj", "a.rtf\r\n");
  core::LoadProjectOptions(state);
  EXPECT_EQ(state.win95_compiler, 0);
  EXPECT_EQ(state.options.w95, 0);
}

TEST_F(SettingsTest, ProjectOptionsRoundTripInTheirOrder) {
  state.project_path = make_project("p.hpj", "");
  state.options.invalid_index = true;
  state.options.w95 = 1;
  state.options.link_browse = false;
  core::SaveProjectOptions(state);
  EXPECT_EQ(tw_test::read_file(file("proj/p.opt")),
            "[Project]\r\nInvalid index=1\r\nwys picts=1\r\nW95=1\r\nhelp only color=0\r\n"
            "doc only color=0\r\ndoc only tags=0\r\nNB=1\r\nNL=0\r\nJUT=1\r\n");
  authoring::LibraryState again;
  again.project_path = state.project_path;
  core::LoadProjectOptions(again);
  EXPECT_TRUE(again.options.invalid_index);
  EXPECT_EQ(again.win95_compiler, 1);
}

}  // namespace
