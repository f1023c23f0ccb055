#include "platform/process.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/paths.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

TEST(CommandLine, BlanksSeparateAndQuotesGroup) {
  EXPECT_EQ(platform::split_command_line("hcp.exe c:\\help\\sample.hpj"),
            (Args{"hcp.exe", "c:\\help\\sample.hpj"}));
  EXPECT_EQ(platform::split_command_line("  a \t b  "), (Args{"a", "b"}));
  EXPECT_EQ(platform::split_command_line("\"c:\\program files\\hcw.exe\" /c /e \"my proj.hpj\""),
            (Args{"c:\\program files\\hcw.exe", "/c", "/e", "my proj.hpj"}));
  EXPECT_EQ(platform::split_command_line("x a\"b c\"d"), (Args{"x", "ab cd"}));
  EXPECT_EQ(platform::split_command_line("x \"\" y"), (Args{"x", "", "y"}));
  EXPECT_TRUE(platform::split_command_line("").empty());
  EXPECT_TRUE(platform::split_command_line("   ").empty());
}

TEST(CommandLine, BackslashesEscapeOnlyBeforeAQuote) {
  EXPECT_EQ(platform::split_command_line("x c:\\a\\b\\"), (Args{"x", "c:\\a\\b\\"}));
  EXPECT_EQ(platform::split_command_line("x a\\\"b"), (Args{"x", "a\"b"}));
  EXPECT_EQ(platform::split_command_line("x a\\\\\"b c\""), (Args{"x", "a\\b c"}));
  EXPECT_EQ(platform::split_command_line("x a\\\\\\\"b"), (Args{"x", "a\\\"b"}));
  EXPECT_EQ(platform::split_command_line("x \"c:\\dir\\\\\" y"), (Args{"x", "c:\\dir\\", "y"}));
  EXPECT_EQ(platform::split_command_line("x \"a\"\"b\""), (Args{"x", "a\"b"}));
}

TEST(CommandLine, TheProgramNameHasNoEscapes) {
  EXPECT_EQ(platform::split_command_line("c:\\tools\\x\\\"y z"), (Args{"c:\\tools\\x\\\"y", "z"}));
  EXPECT_EQ(platform::split_command_line("\"c:\\my tools\\\" arg"), (Args{"c:\\my tools\\", "arg"}));
}

TEST(CommandLine, QuotedArgumentsSplitBack) {
  for (std::string arg : {"plain", "two words", "", "a\"b", "c:\\dir\\", "c:\\my dir\\", "\\\"", "tab\there"}) {
    std::string line = "prog " + platform::quote_argument(arg) + " end";
    EXPECT_EQ(platform::split_command_line(line), (Args{"prog", arg, "end"})) << line;
  }
  EXPECT_EQ(platform::quote_argument("plain"), "plain");
  EXPECT_EQ(platform::quote_argument("my file.hlp"), "\"my file.hlp\"");
}

class Process : public tw_test::Fixture {
 protected:
  // Writes an executable shell script.
  void script(const std::string& host, const std::string& body) {
    tw_test::write_file(host, "#!/bin/sh\n" + body + "\n");
    ::chmod(host.c_str(), 0755);
  }
  // Reads a file a started program writes, waiting a little for it.
  std::string wait_for_file(const std::string& host) {
    for (int i = 0; i < 500 && !tw_test::exists(host); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return tw_test::read_file(host);
  }
};

TEST_F(Process, StartsAndWaits) {
  auto r = platform::start_program("/bin/true", platform::kShowNormal);
  EXPECT_EQ(r.code, platform::kExecSuccess);
  ASSERT_GT(r.process_id, 0);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 0);
  EXPECT_FALSE(platform::process_running(r.process_id));
  EXPECT_EQ(platform::process_exit_status(r.process_id), 0);
  EXPECT_EQ(ui().transcript(), (Args{"exec \"/bin/true\" show=1 -> 33"}));
}

TEST_F(Process, ExitStatusAndPolling) {
  auto r = platform::start_program("sh -c \"sleep 0.2; exit 3\"", platform::kMinimize);
  ASSERT_EQ(r.code, platform::kExecSuccess);
  EXPECT_TRUE(platform::process_running(r.process_id));
  EXPECT_FALSE(platform::process_exit_status(r.process_id).has_value());
  int polls = 0;
  while (platform::process_running(r.process_id) && polls < 500) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ++polls;
  }
  EXPECT_FALSE(platform::process_running(r.process_id));
  EXPECT_EQ(platform::process_exit_status(r.process_id), 3);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 3);
  EXPECT_EQ(ui().transcript(), (Args{"exec \"sh -c \"sleep 0.2; exit 3\"\" show=6 -> 33"}));
}

TEST_F(Process, MissingProgram) {
  EXPECT_EQ(platform::win_exec("no-such-program-here.exe /x", platform::kShowNormal), 2);
  EXPECT_EQ(platform::win_exec("c:\\tools\\hcw.exe x", platform::kShowNormal), 2);
  auto r = platform::start_program("", platform::kShowNormal);
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.process_id, 0);
  EXPECT_EQ(ui().transcript(), (Args{"exec \"no-such-program-here.exe /x\" show=1 -> 2",
                                     "exec \"c:\\tools\\hcw.exe x\" show=1 -> 2",
                                     "exec \"\" show=1 -> 2"}));
  EXPECT_FALSE(platform::process_running(0));
  EXPECT_EQ(platform::wait_for_process(0), -1);
}

TEST_F(Process, NotExecutable) {
  tw_test::write_file(file("tools/data.txt"), "just text\n");
  ::chmod(file("tools/data.txt").c_str(), 0644);
  EXPECT_EQ(platform::win_exec("c:\\tools\\data.txt", platform::kShowNormal), 11);
  // Executable bits but no format the system can run.
  tw_test::write_file(file("tools/bad.bin"), std::string("\x01\x02\x03garbage", 10));
  ::chmod(file("tools/bad.bin").c_str(), 0755);
  EXPECT_EQ(platform::win_exec("c:\\tools\\bad.bin", platform::kShowNormal), 11);
}

TEST_F(Process, SystemPathsResolveWithoutCaseAndWithoutExe) {
  script(file("Tools/hcw"), "echo \"$1|$2\" > \"$3\"");
  auto r = platform::start_program("C:\\TOOLS\\HCW.EXE /c \"my proj.hpj\" " + file("out.txt"),
                                   platform::kShowMinimized);
  ASSERT_EQ(r.code, 33);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 0);
  EXPECT_EQ(tw_test::read_file(file("out.txt")), "/c|my proj.hpj\n");
}

TEST_F(Process, BareNamesUseTheHostPath) {
  auto r = platform::start_program("TRUE.EXE", platform::kShowNormal);
  ASSERT_EQ(r.code, 33);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 0);
  r = platform::start_program("false", platform::kShowNormal);
  ASSERT_EQ(r.code, 33);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 1);
}

TEST_F(Process, BareNamesAlsoInTheCurrentAndWindowsDirectories) {
  script(file("here.sh"), "exit 4");
  script(platform::windows_directory() + "/winhlp32", "exit 5");
  auto r = platform::start_program("HERE.SH", platform::kShowNormal);
  ASSERT_EQ(r.code, 33);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 4);
  r = platform::start_program("winhlp32.exe x.hlp", platform::kShowNormal);
  ASSERT_EQ(r.code, 33);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 5);
}

TEST_F(Process, WorkingDirectory) {
  fs::create_directories(file("Work"));
  auto r = platform::start_program("sh -c pwd>where.txt", platform::kShowNormal, "c:\\WORK");
  ASSERT_EQ(r.code, 33);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 0);
  EXPECT_EQ(tw_test::read_file(file("Work/where.txt")), fs::canonical(file("Work")).string() + "\n");
  EXPECT_EQ(platform::start_program("/bin/true", 1, "c:\\nowhere").code, platform::kExecPathNotFound);
}

TEST_F(Process, RelativeProgramWithAWorkingDirectory) {
  script(file("tools/t.sh"), "exit 6");
  fs::create_directories(file("elsewhere"));
  auto r = platform::start_program("tools\\t.sh", platform::kShowNormal, "elsewhere");
  ASSERT_EQ(r.code, 33);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 6);
}

TEST_F(Process, ChildrenReadNothingFromOurStandardInput) {
  auto r = platform::start_program("sh -c \"cat > got.txt\"", platform::kShowNormal);
  ASSERT_EQ(r.code, 33);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 0);
  EXPECT_EQ(tw_test::read_file(file("got.txt")), "");
}

TEST_F(Process, ShellOpenUsesTheConfiguredOpener) {
  script(file("opener.sh"), "echo \"$1\" > \"" + file("opened.txt") + "\"");
  tw_test::write_file(file("docs/My Page.htm"), "<html>");
  ASSERT_TRUE(platform::write_profile_string("Platform", "opener", "c:\\opener.sh", "win.ini"));
  EXPECT_EQ(platform::shell_open("c:\\DOCS\\my page.htm"), 33);
  EXPECT_EQ(wait_for_file(file("opened.txt")), file("docs/My Page.htm") + "\n");
  EXPECT_EQ(ui().transcript(),
            (Args{"exec \"c:\\opener.sh \"" + file("docs/My Page.htm") + "\"\" show=1 -> 33"}));
}

TEST_F(Process, ShellOpenPlacesTheDocumentAtPercentOne) {
  script(file("opener.sh"), "echo \"$1 $2\" > \"" + file("opened.txt") + "\"");
  ASSERT_TRUE(platform::write_profile_string("Platform", "opener", "c:\\opener.sh \"%1\" --new", "win.ini"));
  EXPECT_GT(platform::shell_open("http://example.invalid/index.htm"), 32);
  EXPECT_EQ(wait_for_file(file("opened.txt")), "http://example.invalid/index.htm --new\n");
}

TEST_F(Process, ShellOpenOfAMissingDocument) {
  ASSERT_TRUE(platform::write_profile_string("Platform", "opener", "/bin/true", "win.ini"));
  EXPECT_EQ(platform::shell_open("c:\\missing.htm"), 2);
  EXPECT_TRUE(ui().transcript().empty());
}

TEST_F(Process, ShellOpenWithoutAnyOpener) {
  tw_test::write_file(file("doc.htm"), "x");
  fs::create_directories(file("emptybin"));
  std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", file("emptybin").c_str(), 1);
  int code = platform::shell_open("c:\\doc.htm");
  setenv("PATH", old_path.c_str(), 1);
  EXPECT_EQ(code, 2);
}

}  // namespace
