#include "core/help_commands.h"
#include "core/language.h"
#include "authoring/library_state.h"
#include "support/core_fixture.h"

namespace {

using tw_test::CoreFixture;
class HelpTest : public CoreFixture {};

TEST_F(HelpTest, RunHelpOpensTheCompiledFileAtItsContents) {
  state.project_path = file("proj/help.hpj");
  EXPECT_EQ(core::RunHelp(state, 7), 1);
  EXPECT_EQ(ui().transcript().back(),
            "winhelp \"" + file("proj/help.hlp") + "\" command=3 data=0");
  tw_test::write_file(file("proj/help.cnt"), ":Base help.hlp\r\n");
  core::RunHelp(state, 7);
  EXPECT_EQ(ui().transcript().back(),
            "winhelp \"" + file("proj/help.hlp") + "\" command=11 data=0");
}

TEST_F(HelpTest, RunHelpNeedsAnExtension) {
  state.project_path = file("proj/help");
  EXPECT_EQ(core::RunHelp(state, 7), 0);
  EXPECT_TRUE(ui().transcript().empty());
}

TEST_F(HelpTest, LanguageNamesComeFromTheStringTables) {
  auto english = core::GetLang(state);
  EXPECT_EQ(english[0], "MACROBUTTON ");
  EXPECT_EQ(english[6], "INCLUDEPICTURE ");
  state.settings.language = 1;
  auto german = core::GetLang(state);
  EXPECT_EQ(german[3], "\xDC" "berschrift ");
  EXPECT_EQ(core::GetLang2(state)[0], "&Datei");
  state.settings.language = 4;
  EXPECT_EQ(core::GetLang(state)[0], "MAKROKNAPP ");
  state.word97 = 1;
  auto swedish97 = core::GetLang(state);
  EXPECT_EQ(swedish97[0], "MACROBUTTON ");
  EXPECT_EQ(swedish97[6], "INCLUDEPICTURE ");
  state.settings.language = 42;
  EXPECT_EQ(core::GetLang(state)[0], "MACROBUTTON ");
}

}  // namespace
