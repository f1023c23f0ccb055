// The compiler message viewer: reading the log's lines, help on messages of
// both compiler families, and "Go to Problem Topic" through the dialog.
#include "project/dialogs/error_viewer.h"

#include "core/settings.h"
#include "project/compile/compiler_log.h"
#include "project/compile/error_help.h"
#include "project/project_fixture.h"
#include "core/messages.h"
#include "platform/text.h"
#include "support/mixed_case_dir.h"

namespace {

using project::ErrorHelpTarget;
using tw_test::ProjectFixture;

// A log as the list shows it: every line behind two blanks.
std::vector<std::string> listed(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines) out.push_back("  " + line);
  return out;
}

TEST(CompilerLog, LocationsOfBothFamilies) {
  auto win31 = listed({"Warning 4113: topic #3 of C:\\Help\\Extras.RTF : Jump to 'IDH_x'",
                       "Error 6101: c:\\help\\p.hpj : Topic file 'a.rtf' was not found",
                       "Error 4639: topic... 12 of using.rtf here",
                       "Warning 6301: topic #2 of c:\\my help\\two.rtf : Bitmap 'b.bmp' was not found"});
  auto loc = project::problem_location(win31, 0, false);
  EXPECT_TRUE(loc.found);
  EXPECT_EQ(loc.topic_file, "c:\\help\\extras.doc");
  EXPECT_EQ(loc.position, "3");
  EXPECT_EQ(loc.message, "Jump to 'IDH_x'");
  EXPECT_FALSE(project::problem_location(win31, 1, false).found);
  loc = project::problem_location(win31, 2, false);
  EXPECT_EQ(loc.position, "12");
  EXPECT_EQ(loc.topic_file, "using.doc");
  EXPECT_EQ(project::problem_location(win31, 3, false).topic_file, "c:\\my help\\two.doc");

  auto win95 = listed({"HC3025: Warning: topic #2 of c:\\help\\extras.rtf :", "\tJump to undefined 'IDH_x'.",
                       "\tsecond continuation"});
  EXPECT_EQ(project::message_line_index(win95, 2), 0u);
  EXPECT_EQ(project::message_line_index(win95, 1), 0u);
  loc = project::problem_location(win95, 0, true);
  EXPECT_EQ(loc.topic_file, "c:\\help\\extras.doc");
  EXPECT_EQ(loc.position, "2");
  EXPECT_EQ(loc.message, "Jump to undefined 'IDH_x'.");
}

TEST(CompilerLog, MessageNumbersAndSevereMessages) {
  EXPECT_EQ(project::message_number("  HC3025: Warning: topic #2 of a.rtf :", true), "3025");
  EXPECT_EQ(project::message_number("  Warning 4113: topic #2 of a.rtf : x", false), "4113");
  EXPECT_EQ(project::message_number("  Error 1230: x", true), "1230");
  EXPECT_EQ(project::message_number("  Compiling the project", false), "");
  EXPECT_TRUE(project::is_message_line("  HC1002: Note: phrases"));
  EXPECT_FALSE(project::is_message_line("  12 topics, 3 warnings"));
  // Tested in the order 1079, 1100, 5059, 2550 whatever the log's order.
  EXPECT_EQ(project::severe_help_context({"Error 2550: full", "Error 1100: cannot"}), 1132);
  EXPECT_EQ(project::severe_help_context({"Error 5059: x"}), 1134);
  EXPECT_EQ(project::severe_help_context({"Warning 4113: x"}), 0);
}

TEST(ErrorHelp, ContextsOfBothFamilies) {
  auto product = [](std::string_view number, bool hcw) {
    ErrorHelpTarget t = project::error_help_target(number, hcw);
    return t.source == ErrorHelpTarget::Source::product ? t.topic : "workshop " + t.topic;
  };
  EXPECT_EQ(product("3107", true), "idx_4251_help");
  EXPECT_EQ(product("1012", true), "IDH_error_4652");
  EXPECT_EQ(product("3025", true), "IDH_error_4113");
  EXPECT_EQ(product("4113", true), "workshop HC4113");
  EXPECT_EQ(product("2550", false), "idx_2550_help");
  EXPECT_EQ(product("4616", false), "idx_1230_help");
  EXPECT_EQ(product("4372", false), "idx_4251_help");
  EXPECT_EQ(product("4113", false), "IDH_error_4113");
  EXPECT_EQ(project::error_help_target("", false).source, ErrorHelpTarget::Source::none);
  // The checker's own numbers are explained by the product's help in both
  // families; Help Workshop's help does not know them.
  EXPECT_EQ(product("6301", true), "IDH_error_6301");
  EXPECT_EQ(product("6804", false), "IDH_error_6804");
  EXPECT_EQ(product("6000", true), "workshop HC6000");
  EXPECT_EQ(product("6900", true), "workshop HC6900");
  EXPECT_EQ(product("06301x", true), "workshop HC06301x");
}

class ErrorViewerTest : public ProjectFixture {
 protected:
  const std::string hpj = "c:\\help\\p.hpj";
  project::ProblemTopic problem;

  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(hpj, "[FILES]\r\n");
  }
  void log(const std::string& text) { tw_test::write_file(host("c:\\help\\p.log"), text); }
  int view(const std::string& script) {
    ui().queue_script("dialog DLG_ERRORS\n" + script);
    return project::ViewErrors(state, 0, problem);
  }
  std::vector<std::string> lines_from(const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& line : ui().transcript()) {
      if (line.rfind(prefix, 0) == 0) out.push_back(line);
    }
    return out;
  }
};

TEST_F(ErrorViewerTest, GoToProblemTopicFromAWindows31Log) {
  log("Check of c:\\help\\p.hpj\r\n"
      "Warning 4113: topic #2 of c:\\help\\Extras.rtf : Jump or pop-up to undefined context string 'IDH_x'\r\n"
      "Error 6101: c:\\help\\p.hpj : Topic file 'gone.rtf' was not found\r\n");
  core::write_setting("didc", "1");
  state.position_stack.push_back("P1L1  0");
  ASSERT_EQ(view("select# 150 1\nclick 107\n"), 1);
  EXPECT_EQ(problem.topic_file, "c:\\help\\extras.doc");
  EXPECT_EQ(problem.position, "2");
  EXPECT_EQ(problem.message, "Jump or pop-up to undefined context string 'IDH_x'");
  EXPECT_TRUE(state.position_stack.empty());
  EXPECT_EQ(core::read_setting_int("didc", 7), 0);
  EXPECT_EQ(core::read_setting_int("AutoErrorHelp", 7), 1);
  EXPECT_EQ(lines_from("winhelp"),
            (std::vector<std::string>{
                "winhelp \"TRVWCK.HLP>error\" command=1 data=1277",
                "winhelp \"TRVWCK.HLP\" command=258 data=\"JI(\\\"trvwck.hlp>error\\\",\\\"IDH_error_4113\\\")\""}));
  EXPECT_EQ(lines_from("dialog").back(),
            "dialog DLG_ERRORS \"Compilation completed. Compiler messages are shown below:\" -> 1");

  // The visited line is marked the next time; help stays off when unticked.
  ui().clear_transcript();
  ASSERT_EQ(view("check 155 0\nselect 150 \xBB Warning 4113: topic #2 of " + host("c:\\help\\Extras.rtf") +
                 " : Jump or pop-up to undefined context string 'IDH_x'\nclick 1\n"),
            1);
  EXPECT_TRUE(lines_from("ignored").empty());
  EXPECT_TRUE(lines_from("winhelp").empty());
  EXPECT_EQ(core::read_setting_int("AutoErrorHelp", 7), 0);
  EXPECT_EQ(lines_from("dialog").back(), "dialog DLG_ERRORS \"Help Compiler Errors\" -> 1");
}

// Lets a test read what the viewer shows once it has started.
class ShownTexts : public project::ErrorViewer {
 public:
  using ErrorViewer::ErrorViewer;
  void on_init(ui::Dialog& dialog) override {
    ErrorViewer::on_init(dialog);
    project_text = dialog.text(project::kErrorsProjectText);
    for (int i = 0; i < dialog.item_count(project::kErrorsList); ++i) {
      list.push_back(dialog.item_text(project::kErrorsList, i));
    }
  }
  std::string project_text;
  std::vector<std::string> list;
};

TEST_F(ErrorViewerTest, PathsShowAsTheHostPathsSpelledAsOnDiskAndTheTopicComesBackAsLogged) {
  tw_test::MixedCaseDir dir;
  const std::string shown = dir.file("Live Help");
  tw_test::write_file(shown + "/Guide.hpj", "[FILES]\r\n");
  tw_test::write_file(shown + "/Extras.rtf", "{\\rtf1}");
  // The compiler writes the drive form; the author's folder comes back lowered.
  const std::string folder = text::to_lower(platform::to_system_path(shown));
  state.project_path = folder + "\\guide.hpj";
  tw_test::write_file(shown + "/Guide.log",
                      "Project " + folder + "\\guide.hpj\r\n"
                      "Warning 4113: topic #2 of " + folder + "\\extras.rtf : Jump to 'IDH_x'\r\n"
                      "Error 6101: " + folder + "\\guide.hpj : Topic file '" + folder + "\\gone.rtf' was not found\r\n"
                      "HC3025: Warning: topic #4 of " + folder + "\\extras.rtf :\r\n"
                      "\tJump to 'IDH_y' in c:\\help\\Other.rtf.\r\n" +
                      folder + "\\guide.hpj: 2 topics, 1 error. Notes:c:\\x stays\r\n");
  ShownTexts viewer(state);
  ui().queue_script("dialog DLG_ERRORS\nselect# 150 1\nclick 107\n");
  ASSERT_EQ(ui().run_modal(core::authoring_module(), "DLG_ERRORS", viewer, 0), 1);
  EXPECT_EQ(viewer.project_text, shown + "/Guide.hpj");
  EXPECT_EQ(viewer.list,
            (std::vector<std::string>{
                "  Project " + shown + "/Guide.hpj",
                "  Warning 4113: topic #2 of " + shown + "/Extras.rtf : Jump to 'IDH_x'",
                "  Error 6101: " + shown + "/Guide.hpj : Topic file '" + shown + "/gone.rtf' was not found",
                "  HC3025: Warning: topic #4 of " + shown + "/Extras.rtf :",
                "  \tJump to 'IDH_y' in " + host("c:\\help\\Other.rtf") + ".",
                "  " + shown + "/Guide.hpj: 2 topics, 1 error. Notes:c:\\x stays"}));
  // Go to Problem Topic hands back the file as the log names it.
  EXPECT_EQ(viewer.problem().topic_file, folder + "\\extras.doc");
  EXPECT_EQ(viewer.problem().position, "2");
}

TEST_F(ErrorViewerTest, HelpWorkshopLogContinuationLinesAndItsOwnHelp) {
  state.win95_compiler = 1;
  state.settings.compilers.hcw = "C:\\HCW\\HCW.EXE";
  log("HC3025: Warning: topic #4 of c:\\help\\two.rtf :\r\n"
      "\tJump or pop-up to undefined context string 'IDH_y'\r\n"
      "HC6301: Warning: topic #1 of c:\\help\\two.rtf :\r\n"
      "\tBitmap 'b.bmp' was not found\r\n");
  ASSERT_EQ(view("select# 150 3\nclick 106\nselect# 150 1\nclick 1\n"), 1);
  EXPECT_EQ(problem.topic_file, "c:\\help\\two.doc");
  EXPECT_EQ(problem.position, "4");
  EXPECT_EQ(problem.message, "Jump or pop-up to undefined context string 'IDH_y'");
  auto help = lines_from("winhelp");
  ASSERT_EQ(help.size(), 4u);
  EXPECT_EQ(help[1], "winhelp \"TRVWCK.HLP\" command=258 data=\"JI(\\\"trvwck.hlp>error\\\",\\\"IDH_error_6301\\\")\"");
  EXPECT_EQ(help[3], "winhelp \"TRVWCK.HLP\" command=258 data=\"JI(\\\"trvwck.hlp>error\\\",\\\"IDH_error_4113\\\")\"");
  // A message of Help Workshop itself goes to Help Workshop's help.
  ui().clear_transcript();
  log("HC1002: Note: Using existing phrase table\r\n");
  view("select# 150 0\nclick 106\nclick 2\n");
  help = lines_from("winhelp");
  ASSERT_FALSE(help.empty());
  EXPECT_EQ(help[0], "winhelp \"c:\\hcw\\hcw.hlp\" command=261 data=\"HC1002\"");
}

TEST_F(ErrorViewerTest, MessagesWithoutATopicExplainThemselvesAndTheDialogStays) {
  log("Error 6101: c:\\help\\p.hpj : Topic file 'gone.rtf' was not found\r\n"
      "Warning 6103: c:\\help\\a.rtf : The RTF of this file is damaged\r\n"
      "c:\\help\\p.hpj: 2 topics, 0 errors\r\n");
  EXPECT_EQ(view("select# 150 0\nclick 107\nselect# 150 1\nclick 107\nselect# 150 2\nclick 107\nclick 760\n"), 0);
  auto messages = lines_from("message");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[0].find("This error is located in your help project file."), std::string::npos);
  EXPECT_NE(messages[1].find("This is a general help compiler message"), std::string::npos);
  EXPECT_EQ(lines_from("winhelp").size(), 4u);  // help on both messages, none on the summary line
}

TEST_F(ErrorViewerTest, SevereMessagesHideRunHelpAndOpenTheirHelp) {
  log("Error 2550: out of room\r\nError 1100: cannot open\r\n");
  EXPECT_EQ(view("click 840\nclick 2\n"), 0);
  EXPECT_EQ(lines_from("winhelp"), std::vector<std::string>{"winhelp \"TRVWCK.HLP>error\" command=1 data=1132"});
  EXPECT_EQ(lines_from("ignored").size(), 1u);  // Run Help is hidden
}

TEST_F(ErrorViewerTest, RunHelpClosesAndOpensTheHelpFileAndHC30IsRefused) {
  EXPECT_EQ(view("click 840\n"), 0);  // no log: an empty list
  EXPECT_EQ(lines_from("winhelp"), std::vector<std::string>{"winhelp \"c:\\help\\p.hlp\" command=3 data=0"});

  ui().clear_transcript();
  state.compiler_kind = 2;
  EXPECT_EQ(project::ViewErrors(state, 0, problem), 0);
  EXPECT_TRUE(lines_from("dialog").empty());
  EXPECT_NE(ui().transcript().back().find("only while using the Windows 3.1 Help Compilers."), std::string::npos);
}

}  // namespace
