// GenFiles: the compiler path rules, the command lines, the Word 97 clean-up
// and whole compiles through the headless host, its clock and the help
// compiler stand-in built beside the tests.
#include "project/compile/compile_driver.h"

#include <chrono>
#include <thread>

#include "core/settings.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "project/dialogs/compile_progress.h"
#include "project/compile/compiler_command.h"
#include "project/topics/topic_file_cleaning.h"
#include "project/project_fixture.h"

namespace {

using project::CompilerChoice;
using tw_test::ProjectFixture;

// The folder the build puts the compiler stand-ins in.
const std::string kToolsFolder = std::string(TW_BUILD_DIR) + "/bin";

TEST(CompilerCommand, PathRulesLowerAndCompleteFolders) {
  core::CompilerPaths paths;
  paths.hcw = "C:\\HCW";
  paths.hcp = "C:\\Tools\\";
  paths.hc30 = "C:\\OLD\\HC.EXE";
  auto programs = project::compiler_programs(paths);
  EXPECT_EQ(programs.hcw, "c:\\hcw\\hc31.exe");
  EXPECT_EQ(programs.hcp, "c:\\tools\\hcp.exe");
  EXPECT_EQ(programs.hc30, "c:\\old\\hc.exe");
  EXPECT_EQ(project::compiler_program("HCP.EXE", "hcp.exe"), "hcp.exe");
  EXPECT_EQ(project::compiler_program("", "hcp.exe"), "hcp.exe");
}

TEST(CompilerCommand, CommandLinesOfEachCompiler) {
  project::CompilerPrograms p{"c:\\hcw\\hcw.exe", "c:\\hc\\hcp.exe", "hc.exe"};
  auto hcw = project::compile_command(CompilerChoice::help_workshop, p, true, true, "c:\\h\\a.hpj");
  EXPECT_EQ(hcw.command_line, "c:\\hcw\\hcw.exe /c/e c:\\h\\a.hpj");
  EXPECT_FALSE(hcw.background);
  EXPECT_EQ(hcw.show, project::kShowRestored);
  auto hcrtf = project::compile_command(CompilerChoice::help_workshop, p, false, true, "c:\\h\\a.hpj");
  EXPECT_EQ(hcrtf.command_line, "c:\\hcw\\hcrtf.exe /x c:\\h\\a.hpj");
  p.hcw = "hcw.exe";
  EXPECT_EQ(project::compile_command(CompilerChoice::help_workshop, p, false, true, "a.hpj").command_line,
            "hcrtf.exe /x a.hpj");
  auto hcp = project::compile_command(CompilerChoice::win31, p, true, true, "c:\\my help\\a.hpj");
  EXPECT_EQ(hcp.command_line, "c:\\hc\\hcp.exe \"c:\\my help\\a.hpj\"");
  EXPECT_TRUE(hcp.background);
  EXPECT_EQ(hcp.show, project::kShowMinimised);
  auto hc = project::compile_command(CompilerChoice::win30, p, true, false, "a.hpj");
  EXPECT_EQ(hc.command_line, "hc.exe a.hpj");
  EXPECT_EQ(hc.show, project::kShowRestored);
  EXPECT_EQ(project::choose_compiler(2, true), CompilerChoice::win30);
  EXPECT_EQ(project::choose_compiler(1, true), CompilerChoice::help_workshop);
  EXPECT_EQ(project::choose_compiler(0, false), CompilerChoice::win31);
}

TEST(TopicFileCleaning, PanoseGroupsGoChunkByChunk) {
  EXPECT_EQ(project::remove_panose_groups("{\\f0{\\*\\panose 0202}Times;}{\\*\\panose 01}x"),
            "{\\f0 Times;} x");
  // No "}" in the chunk: the group stays and the search goes on.
  EXPECT_EQ(project::remove_panose_groups("a{\\*\\panose 0{\\*\\panose 1"), "a{\\*\\panose 0{\\*\\panose 1");
  std::string text(project::kCleaningChunk - 5, 'x');
  text += "{\\*\\panose 0202}{\\*\\panose 03}";
  std::string cleaned = project::clean_topic_text(text);
  EXPECT_EQ(cleaned.substr(project::kCleaningChunk - 5), "{\\*\\panose 0202} ");
}

class CompileDriverTest : public ProjectFixture {
 protected:
  const std::string hpj = "c:\\proj\\p.hpj";

  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(hpj, "[OPTIONS]\r\nTITLE=P\r\n[FILES]\r\na.rtf\r\n");
    tw_test::write_file(host("c:\\proj\\a.rtf"),
                        "{\\rtf1{\\super #}{\\footnote # IDH_a}Text {\\uldb x}{\\v IDH_gone}\\par}");
    state.settings.compilers.hcp = kToolsFolder;  // a folder: "hcp.exe" from it
    state.settings.compilers.hcw = kToolsFolder + "/hcw.exe";
  }

  int gen_files() {
    std::string directory, project;
    int result = project::GenFiles(state, "c:\\proj\\a.doc", directory, project);
    if (result == 1) {
      EXPECT_EQ(directory, "c:\\proj");
      EXPECT_EQ(project, hpj);
    }
    return result;
  }

  // Lets the host's clock run until the progress window closes.
  bool wait_for_progress_window() {
    for (int i = 0; i < 400 && state.compile_window != 0; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
      ui().advance_time(project::kCompilePollMilliseconds);
    }
    return state.compile_window == 0;
  }

  // Without regard to case: the driver lowers the compiler's folder, and the
  // build folder may have capitals.
  bool transcript_has(const std::string& line) {
    for (const auto& l : ui().transcript()) {
      if (text::to_lower(l) == text::to_lower(line)) return true;
    }
    return false;
  }
};

TEST_F(CompileDriverTest, BackgroundCompileIsWatchedUntilTheCompilerEnds) {
  ASSERT_EQ(gen_files(), 1);
  ASSERT_NE(state.compile_window, 0);
  const std::string exec = "exec \"" + kToolsFolder + "\\hcp.exe c:\\proj\\p.hpj\" show=6 -> 33";
  EXPECT_TRUE(transcript_has(exec));
  EXPECT_TRUE(transcript_has("winhelp \"c:\\proj\\p.hlp\" command=2 data=0"));
  ASSERT_TRUE(wait_for_progress_window());
  auto lines = ui().transcript();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "beep 0");
  EXPECT_EQ(lines.back(), "window DLG_COMPILE closed");
  std::string log = text_of("c:\\proj\\p.log");
  EXPECT_NE(log.find("Warning 4113: topic #1 of c:\\proj\\a.rtf : Jump or pop-up to undefined context string 'IDH_gone'"),
            std::string::npos);
  // The project file was regenerated for the Windows 3.1 compiler.
  EXPECT_NE(text_of(hpj).find("ERRORLOG=c:\\proj\\p.log"), std::string::npos);
}

TEST_F(CompileDriverTest, FirstTickOnlyArmsAndNoBeepWhenNotWanted) {
  state.settings.compile_beep = false;
  ASSERT_EQ(gen_files(), 1);
  std::int32_t window = state.compile_window;
  ASSERT_NE(window, 0);
  // A poke before the compiler can have ended only arms the window.
  ui().send_timer(window, project::kCompileTimerId);
  EXPECT_EQ(state.compile_window, window);
  ASSERT_TRUE(wait_for_progress_window());
  for (const auto& line : ui().transcript()) EXPECT_NE(line, "beep 0");
}

TEST_F(CompileDriverTest, ForegroundAndHelpWorkshopCompilesReturnAtOnce) {
  state.settings.compile_in_background = false;
  ASSERT_EQ(gen_files(), 1);
  EXPECT_EQ(state.compile_window, 0);
  EXPECT_TRUE(transcript_has("exec \"" + kToolsFolder + "\\hcp.exe c:\\proj\\p.hpj\" show=9 -> 33"));

  ui().clear_transcript();
  state.settings.compile_in_background = true;
  state.win95_compiler = 1;
  state.new_shell = false;
  const std::string before = text_of(hpj);
  ASSERT_EQ(gen_files(), 1);
  EXPECT_EQ(state.compile_window, 0);
  EXPECT_TRUE(transcript_has("exec \"" + kToolsFolder + "/hcrtf.exe /x c:\\proj\\p.hpj\" show=9 -> 33"));
  EXPECT_EQ(text_of(hpj), before);  // Help Workshop's project file is left alone
}

TEST_F(CompileDriverTest, CompilerThatCannotBeStartedIsReported) {
  state.settings.compilers.hcp = "c:\\nowhere\\hcp.exe";
  EXPECT_EQ(gen_files(), 0);
  EXPECT_EQ(state.compile_window, 0);
  EXPECT_EQ(ui().transcript().back(),
            "message \"Tarvenwick is unable to locate or run the help compiler. You can specify the "
            "location of the help compilers by pressing the PATHS button in the Set Help Project dialog "
            "box.\" caption=\"Tarvenwick\" icon=stop -> OK (default)");

  ui().clear_transcript();
  state.win95_compiler = 1;
  state.settings.compilers.hcw = "c:\\nowhere";
  EXPECT_EQ(gen_files(), 0);
  EXPECT_NE(ui().transcript().back().find("(HCW.EXE)"), std::string::npos);
  for (const auto& line : ui().transcript()) EXPECT_NE(line.rfind("exec", 0), 0u);
}

// The installation's program folder holds the stand-ins under every name
// the default settings give: a Help Workshop project (an LCID line) builds
// with "HCW.EXE" as it stands, as a Windows 3.x one does with "HCP.EXE".
TEST_F(CompileDriverTest, DefaultSettingsReachTheInstalledStandInsOfEveryFamily) {
  platform::add_program_folder(kToolsFolder);
  state.settings.compilers = core::CompilerPaths{};
  state.settings.compile_in_background = false;
  use_project(hpj, "[OPTIONS]\r\nLCID=0x409 0x0 0x0 ; English (United States)\r\n"
                   "ERRORLOG=p.log\r\nTITLE=P\r\n\r\n[FILES]\r\na.rtf\r\n");
  const std::string written = text_of(hpj);
  state.options.w95 = -7;
  core::DecideCompiler(state);
  ASSERT_EQ(state.win95_compiler, 1);
  EXPECT_EQ(text_of(hpj), written);  // its ERRORLOG already names p.log: kept relative
  for (bool new_shell : {true, false}) {
    state.new_shell = new_shell;
    ASSERT_EQ(gen_files(), 1) << ui().transcript().back();
  }
  EXPECT_TRUE(transcript_has("exec \"hcw.exe /c/e c:\\proj\\p.hpj\" show=9 -> 33"));
  EXPECT_TRUE(transcript_has("exec \"hcrtf.exe /x c:\\proj\\p.hpj\" show=9 -> 33"));
  state.win95_compiler = 0;
  ASSERT_EQ(gen_files(), 1);
  EXPECT_TRUE(transcript_has("exec \"hcp.exe c:\\proj\\p.hpj\" show=9 -> 33"));
  state.compiler_kind = 2;
  ASSERT_EQ(gen_files(), 1);
  EXPECT_TRUE(transcript_has("exec \"hc.exe c:\\proj\\p.hpj\" show=9 -> 33"));
}

TEST_F(CompileDriverTest, HelpWorkshopProjectGetsItsErrorLogNamed) {
  use_project(hpj, "[OPTIONS]\nLCID=0x409 0x0 0x0\nERRORLOG=old\\p.err\n[FILES]\na.rtf\n");
  state.options.w95 = -7;
  core::DecideCompiler(state);
  EXPECT_EQ(state.win95_compiler, 1);
  EXPECT_EQ(text_of(hpj), "[OPTIONS]\nLCID=0x409 0x0 0x0\nERRORLOG=c:\\proj\\p.log\n[FILES]\na.rtf\n");
}

TEST_F(CompileDriverTest, NothingToDoForADocumentOutsideTheProject) {
  std::string directory, project;
  ui().queue_script("message Cancel\n");  // not added to the project
  EXPECT_EQ(project::GenFiles(state, "c:\\other\\x.rtf", directory, project), 1);
  EXPECT_TRUE(project.empty());
  for (const auto& line : ui().transcript()) EXPECT_NE(line.rfind("exec", 0), 0u);
}

TEST_F(CompileDriverTest, WithoutAUsableProjectTheUserIsToldAndNothingIsWritten) {
  std::string directory, project;
  state.project_set = false;
  state.project_path.clear();
  EXPECT_EQ(project::GenFiles(state, "c:\\proj\\a.doc", directory, project), 0);
  EXPECT_EQ(ui().transcript().back(),
            "message \"There is no help project to compile.  Open or create one first.\" caption=\"Tarvenwick\" "
            "icon=stop -> OK (default)");

  // A project path longer than the settings hold: cut, it names no project.
  ui().clear_transcript();
  const std::string folder = "c:\\" + std::string(160, 'd');
  const std::string long_hpj = folder + "\\project.hpj";
  use_project(long_hpj, "[OPTIONS]\r\nTITLE=P\r\n[FILES]\r\na.rtf\r\n");
  platform::write_profile_string("TARVENWICK", "PROJECT", long_hpj, "TRVWCK6.INI");
  project::LoadSettings(state);
  ASSERT_FALSE(state.project_set);
  EXPECT_EQ(project::GenFiles(state, "c:\\proj\\a.doc", directory, project), 0);
  EXPECT_EQ(ui().transcript().back(),
            "message \"The path of the help project " + platform::to_host_path(long_hpj) +
                " is longer than 164 characters.  Move the project to a shorter path.\" caption=\"Tarvenwick\" "
                "icon=stop -> OK (default)");
  EXPECT_EQ(platform::find_files(folder + "\\*").size(), 1u);  // the project file alone
  for (const auto& line : ui().transcript()) EXPECT_NE(line.rfind("exec", 0), 0u);
}

TEST_F(CompileDriverTest, Word97TopicFilesAreCleanedForTheWindows31Compiler) {
  const std::string rtf = "{\\rtf1{\\fonttbl{\\f0{\\*\\panose 02020603}Times;}}{\\super #}{\\footnote # IDH_a}x\\par}";
  tw_test::write_file(host("c:\\proj\\a.rtf"), rtf);
  state.topic_files.add("a.rtf");
  platform::write_profile_string("TARVENWICK", "Word 97", "1", "TRVWCK6.INI");
  state.settings.compile_in_background = false;
  ASSERT_EQ(gen_files(), 1);
  EXPECT_EQ(text_of("c:\\proj\\a.rtf"), "{\\rtf1{\\fonttbl{\\f0 Times;}}{\\super #}{\\footnote # IDH_a}x\\par}");
  EXPECT_FALSE(platform::file_exists("c:\\proj\\a.rxx"));

  // A clean interrupted before (".rxx" still there) leaves the file alone.
  tw_test::write_file(host("c:\\proj\\a.rtf"), rtf);
  tw_test::write_file(host("c:\\proj\\a.rxx"), rtf);
  EXPECT_FALSE(project::clean_topic_file("c:\\proj\\a.rtf"));
  EXPECT_EQ(text_of("c:\\proj\\a.rtf"), rtf);
}

}  // namespace
