// The compiler paths dialog writes all six programs of section COMPILERS.
#include "project/dialogs/compiler_paths_dialog.h"

#include "core/settings.h"
#include "platform/profile.h"
#include "project/project_fixture.h"

namespace {

using tw_test::ProjectFixture;

std::string compiler_setting(const char* key) {
  return platform::get_profile_string("COMPILERS", key, "(missing)", 129, "TRVWCK6.INI");
}

TEST_F(ProjectFixture, CompilerPathsDialogWritesAllSixSettings) {
  state.settings.compilers.hcp = "c:\\old\\hcp.exe";
  ui().queue_script("dialog DLG_SET_PATHS\nset 101 c:\\hcw\\hcw.exe\nclick 112\nfile c:\\bin\\HCP.EXE\n"
                    "set 103 \nset 105 c:\\draw\\draw.exe\nclick 1\n");
  ASSERT_EQ(project::EditCompilerPaths(state, 0), 1);
  EXPECT_EQ(ui().transcript()[0], "filedialog open \"*.exe\" -> c:\\bin\\HCP.EXE");
  EXPECT_EQ(compiler_setting("hcw"), "c:\\hcw\\hcw.exe");
  EXPECT_EQ(compiler_setting("hcp"), "c:\\bin\\HCP.EXE");
  EXPECT_EQ(compiler_setting("hc30"), "");
  EXPECT_EQ(compiler_setting("bmp"), "PBRUSH.EXE");
  EXPECT_EQ(compiler_setting("wmf"), "c:\\draw\\draw.exe");
  EXPECT_EQ(compiler_setting("shed"), "SHED.EXE");
  EXPECT_EQ(state.settings.compilers.hcp, "c:\\bin\\HCP.EXE");
  EXPECT_EQ(state.settings.compilers.hc30, "hc.exe");  // as an empty value reads back

  ui().queue_script("dialog DLG_SET_PATHS\nset 101 changed.exe\nclick 2\n");
  EXPECT_EQ(project::EditCompilerPaths(state, 0), 0);
  EXPECT_EQ(compiler_setting("hcw"), "c:\\hcw\\hcw.exe");
  EXPECT_EQ(state.settings.compilers.hcw, "c:\\hcw\\hcw.exe");
}

}  // namespace
