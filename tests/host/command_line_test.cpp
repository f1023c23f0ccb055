// twhost's command line: options, per-flow help, and the checking of `call`
// arguments against the exports' declarations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/export_call.h"
#include "host/export_signatures.h"
#include "host/options.h"
#include "host/progress.h"
#include "host/script_session.h"
#include "host/user_paths.h"
#include "platform/paths.h"
#include "platform/ui/host.h"
#include "support/test_support.h"

namespace {

host::Options parse(std::vector<std::string> words) {
  std::vector<char*> argv{const_cast<char*>("twhost")};
  for (auto& w : words) argv.push_back(w.data());
  return host::parse_options(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLineTest, HelpAndVersionAskNothingOfTheFlow) {
  EXPECT_EQ(parse({"--help"}).action, host::Action::help);
  EXPECT_EQ(parse({"-h"}).flow, "");
  host::Options flow_help = parse({"--root", "r", "publish", "x.hpj", "--help"});
  EXPECT_EQ(flow_help.action, host::Action::help);
  EXPECT_EQ(flow_help.flow, "publish");
  EXPECT_EQ(flow_help.root, "r");
  host::Options help_flow = parse({"help", "build"});
  EXPECT_EQ(help_flow.action, host::Action::help);
  EXPECT_EQ(help_flow.flow, "build");
  EXPECT_TRUE(help_flow.error.empty());
  EXPECT_EQ(parse({"--version"}).action, host::Action::version);
  // "--help" after `call` is an argument of the export, not a request for help.
  EXPECT_EQ(parse({"call", "FixString", "--help"}).action, host::Action::run);
}

TEST(CommandLineTest, WrongUsageNamesWhatIsWrong) {
  EXPECT_EQ(parse({"frob"}).error,
            "unknown flow 'frob'; the flows are: start, sample, build, report, jump, popup, macros, buttons, windows, keywords, distribute, find, contents, outline, keyword, convert, publish, desktop, call, help");
  EXPECT_EQ(parse({"--frob", "start"}).error, "unknown option '--frob'");
  EXPECT_EQ(parse({"--root"}).error, "--root needs a value");
  EXPECT_EQ(parse({"help", "a", "b"}).error, "help takes one flow, not 2");
  EXPECT_EQ(parse({"help", "frob"}).error.rfind("unknown flow 'frob'", 0), 0u);
  host::Options o = parse({"--transcript", "t.txt", "--append", "build", "p.hpj"});
  EXPECT_TRUE(o.error.empty());
  EXPECT_TRUE(o.append_transcript);
  EXPECT_FALSE(o.gui);
  EXPECT_TRUE(parse({"--gui", "build", "p.hpj"}).gui);
  EXPECT_EQ(o.args, std::vector<std::string>{"p.hpj"});
}

TEST(ExportSignatureTest, TableHoldsEveryDeclarationWithItsTypes) {
  const host::ExportSignature* topic = host::find_signature("GetTopic");
  ASSERT_NE(topic, nullptr);
  EXPECT_EQ(topic->library, "trvwck32");
  ASSERT_EQ(topic->kinds.size(), 11u);  // declared over two lines
  EXPECT_EQ(topic->kinds[0], host::ParameterKind::number);
  EXPECT_EQ(topic->kinds[10], host::ParameterKind::text_buffer);
  EXPECT_EQ(host::parameter_names(*topic).back(), "topic_window");

  const host::ExportSignature* add = host::find_signature("AddHTMLFile");
  ASSERT_NE(add, nullptr);
  EXPECT_EQ(add->library, "twzhtml");
  EXPECT_EQ(add->kinds, (std::vector<host::ParameterKind>{host::ParameterKind::text, host::ParameterKind::text}));
  EXPECT_TRUE(host::find_signature("ProcessFiles")->kinds.empty());  // "(void)"

  // Names both libraries export: a bare name is the authoring library's.
  EXPECT_EQ(host::find_signature("FixBookmark")->library, "trvwck32");
  EXPECT_EQ(host::find_signature("twzhtml:TWGetVersion")->library, "twzhtml");
  EXPECT_EQ(host::find_signature("twzhtml:InitTW")->library, "twzhtml");
  // The conversion library's GetLang fills eight buffers, the authoring library's seven.
  EXPECT_EQ(host::find_signature("twzhtml:GetLang")->kinds.size(), 8u);
  EXPECT_EQ(host::find_signature("GetLang")->kinds.size(), 7u);
}

TEST(ExportSignatureTest, ArgumentsMustFitTheDeclaration) {
  const host::ExportSignature& save_dest = *host::find_signature("SaveDest6");  // (int, int, char*)
  std::vector<host::ExportArgument> args;
  std::string error;
  ASSERT_TRUE(host::parse_arguments(save_dest, {"0x10", "-1", "s:a.rtf"}, args, error)) << error;
  EXPECT_EQ(args[0].number, 16);
  EXPECT_EQ(args[1].number, -1);
  EXPECT_EQ(std::string(args[2].buffer.data()), "a.rtf");
  EXPECT_EQ(args[2].buffer.size(), host::kTextBufferSize);

  EXPECT_FALSE(host::parse_arguments(save_dest, {"1", "s:2", "s:x"}, args, error));
  EXPECT_EQ(error, "argument 2 (line) of SaveDest6 must be a number, not 's:2'");
  EXPECT_FALSE(host::parse_arguments(save_dest, {"1", "99999999999", "s:x"}, args, error));
  EXPECT_EQ(error, "argument 2 (line) of SaveDest6 must be a number, not '99999999999'");
  EXPECT_FALSE(host::parse_arguments(save_dest, {"1", "2", "3"}, args, error));
  EXPECT_EQ(error, "argument 3 (document) of SaveDest6 must be text (s:TEXT), not '3'");
  EXPECT_FALSE(host::parse_arguments(save_dest, {"1", "2", "s:" + std::string(host::kTextBufferSize, 'x')},
                                     args, error));
  EXPECT_NE(error.find("shorter than 4096 bytes"), std::string::npos) << error;
  EXPECT_FALSE(host::parse_arguments(save_dest, {"1"}, args, error));
  EXPECT_EQ(error, "missing argument 2 (line) of SaveDest6(int32_t page, int32_t line, char* document)");
}

// A stand-in export: the typed call must hand over numbers and buffers in order.
extern "C" int32_t echo_export(int32_t n, char* buffer, const char* text) {
  std::snprintf(buffer, 64, "%d:%s", n, text);
  return n + 1;
}

TEST(ExportSignatureTest, CallPassesTypedArgumentsAndReadsBuffersBack) {
  host::ExportSignature echo{"test", "echo_export", "int32_t n, char* buffer, const char* text",
                             {host::ParameterKind::number, host::ParameterKind::text_buffer,
                              host::ParameterKind::text},
                             [](void* f, std::vector<host::ExportArgument>& a) {
                               return reinterpret_cast<decltype(&echo_export)>(f)(
                                   a[0].number, a[1].buffer.data(), a[2].buffer.data());
                             }};
  std::vector<host::ExportArgument> args;
  std::string error;
  ASSERT_TRUE(host::parse_arguments(echo, {"41", "s:", "s:hello"}, args, error)) << error;
  EXPECT_EQ(host::call_export(echo, reinterpret_cast<void*>(&echo_export), args), 42);
  EXPECT_EQ(args[1].text, "41:hello");
  EXPECT_EQ(args[2].text, "hello");
}

TEST(ProgressTest, BarShowsCountsStageAndElapsedTime) {
  host::Progress progress(nullptr, true, 80);
  progress.stage("exporting to HTML", 4, "files");
  progress.step(1);
  EXPECT_EQ(progress.bar_line(75), "[######..................] 1/4 files  exporting to HTML  1:15");
  progress.step(4);
  EXPECT_EQ(progress.bar_line(5), "[########################] 4/4 files  exporting to HTML  0:05");
  progress.stage("compiling sample.hpj");
  EXPECT_EQ(progress.bar_line(0), "compiling sample.hpj  0:00");
  host::Progress narrow(nullptr, true, 20);
  narrow.stage("a very long stage name indeed");
  EXPECT_EQ(narrow.bar_line(0).size(), 19u);
}

// A long export call moves the bar through the library's progress window:
// as a percentage redrawn in place on a terminal, as a line now and then
// in a log, and not at all once the call is over.
TEST(ProgressTest, LibraryProgressWindowMovesTheStage) {
  std::FILE* log = std::tmpfile();
  ASSERT_NE(log, nullptr);
  auto now = std::chrono::steady_clock::time_point{};
  host::Progress progress(log, false);
  progress.set_clock([&now] { return now; });
  progress.stage("processing 3 HTML files into pages", 0, "%");
  {
    host::LibraryMeter meter(progress);
    ui::report_progress("Processing...", 1, 8);  // too soon for a line
    now += std::chrono::seconds(6);
    ui::report_progress("Processing...", 2, 8);
    EXPECT_EQ(progress.bar_line(6), "[######..................] 25%  processing 3 HTML files into pages  0:06");
    now += std::chrono::seconds(6);
    ui::report_progress("Processing...", 8, 8);  // the end has a line of its own
  }
  now += std::chrono::seconds(6);
  ui::report_progress("Processing...", 3, 8);
  std::rewind(log);
  char text[512] = "";
  std::size_t size = std::fread(text, 1, sizeof text - 1, log);
  std::fclose(log);
  EXPECT_EQ(std::string(text, size),
            "processing 3 HTML files into pages\n"
            "  processing 3 HTML files into pages: 25%, 0:06\n");
}

class UserPathsTest : public tw_test::Fixture {};

TEST_F(UserPathsTest, CompilerMessagesShowHostPaths) {
  tw_test::write_file(file("proj/One File.rtf"), "{\\rtf1}");
  tw_test::write_file(file("proj/p.hpj"), "[FILES]\r\n");
  const std::string started_in = host::user_folder();
  host::remember_user_folder();  // the fixture's folder
  EXPECT_EQ(host::shown_paths_in("Warning 4113: topic #2 of c:\\PROJ\\one file.rtf : Jump to 'x'"),
            "Warning 4113: topic #2 of proj/One File.rtf : Jump to 'x'");
  EXPECT_EQ(host::shown_paths_in("HC6101: Error: c:\\proj\\p.hpj :"), "HC6101: Error: proj/p.hpj :");
  EXPECT_EQ(host::shown_paths_in("c:\\proj\\p.hpj: 1 topic, 0 jumps"), "proj/p.hpj: 1 topic, 0 jumps");
  EXPECT_EQ(host::shown_paths_in("The project file 'c:\\proj\\gone.hpj' cannot be read"),
            "The project file 'proj/gone.hpj' cannot be read");
  EXPECT_EQ(host::shown_paths_in("Project z:\\tmp"), "Project /tmp");
  // Host paths, colons in text and drive-like pieces inside words stay as they are.
  for (const char* line : {"Project /home/a/p.hpj", "Error 6001: abc:\\d", "time 10:30", "c:"}) {
    EXPECT_EQ(host::shown_paths_in(line), line);
  }
  platform::set_current_directory(started_in);
  host::remember_user_folder();
  platform::set_current_directory(root());
}

TEST(ProgressTest, CountsReadAsEnglish) {
  EXPECT_EQ(host::counted(1, "jump"), "1 jump");
  EXPECT_EQ(host::counted(0, "jump"), "0 jumps");
  EXPECT_EQ(host::counted(2, "index entry", "index entries"), "2 index entries");
}

class ScriptSessionTest : public tw_test::Fixture {};

TEST_F(ScriptSessionTest, UnreadableLinesAreReportedByNumberAndNothingIsQueued) {
  host::ScriptSession script;
  std::vector<std::string> errors;
  EXPECT_FALSE(script.load("# comment\n\ndialog 21000\nfrob 1\nclick\n", "s.txt", errors));
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], "s.txt:4: unknown action \"frob 1\"");
  EXPECT_EQ(errors[1].rfind("s.txt:5: ", 0), 0u) << errors[1];
  EXPECT_TRUE(ui::headless()->pending_script().empty());
}

TEST_F(ScriptSessionTest, UnusedUserLinesAreTheOnesBeforeTheFlowsOwn) {
  host::ScriptSession script;
  std::vector<std::string> errors;
  ASSERT_TRUE(script.load("dialog DLG_A\nclick 1\n\nmessage Yes\n", "s.txt", errors));
  script.queue("dialog 21000\nclick 1\n");
  EXPECT_EQ(script.unused_report(),
            "s.txt:1: the script's first dialog (DLG_A) never opened; no line of the script was used");
}

TEST_F(ScriptSessionTest, ALaterUnusedLineIsReportedByItsOwnNumber) {
  host::ScriptSession script;
  std::vector<std::string> errors;
  ASSERT_TRUE(script.load("message Yes\n# then\nmessage No\nmessage OK\n", "s.txt", errors));
  script.queue("dialog 21000\n");
  ui::host().message_box(0, "Go on?", "Tarvenwick", 0);
  EXPECT_EQ(script.unused_report(), "s.txt:3: 2 script lines not used, from \"message No\"");
}

}  // namespace
