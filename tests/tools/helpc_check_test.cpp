// The help compiler stand-in over whole projects on disk: what it finds,
// the log it writes in each family's format, and its command lines.
#include <gtest/gtest.h>

#include <string>

#include "platform/paths.h"
#include "support/test_support.h"
#include "tools/helpc/compiler_run.h"
#include "tools/helpc/invocation.h"

namespace {

using tw_test::read_file;
using tw_test::write_file;

std::string rtf(const std::string& body) {
  return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\r\n" + body + "\r\n}";
}

std::string footnote(char mark, const std::string& text) {
  return std::string("{\\super ") + mark + "}{\\footnote {\\super " + mark + "} " + text + "}\r\n";
}

std::string topic(const std::string& context, const std::string& body) {
  return (context.empty() ? "" : footnote('#', context)) + footnote('$', "Title of " + context) +
         body + "\\par\r\n";
}

class HelpcCheck : public tw_test::Fixture {
 protected:
  // Runs the compiler as `program` on c:\proj\p.hpj; returns the log.
  std::string compile(const std::string& program, int expected_status) {
    helpc::Invocation inv = helpc::parse_invocation({program, "/x", "c:\\proj\\p.hpj"});
    helpc::RunResult result = helpc::run_compile(inv);
    EXPECT_EQ(result.exit_status, expected_status);
    EXPECT_EQ(result.log_path, "c:\\proj\\p.log");
    return read_file(file("proj/p.log"));
  }

  void write_problem_project() {
    write_file(file("proj/p.hpj"),
               "[OPTIONS]\r\nCONTENTS=IDH_nowhere\r\nBMROOT=art\r\n"
               "[FILES]\r\none.rtf ; first\r\nsub\\two.rtf\r\ngone.rtf\r\nplain.rtf\r\n"
               "[BITMAPS]\r\nlisted\\listed.bmp\r\n"
               "[WINDOWS]\r\nsecond=\"Second\",(0,0,100,100),0\r\n"
               "[MAP]\r\n#include <cntxmap.h>\r\n#include <gone.h>\r\nIDH_one 1\r\nIDH_stale 2\r\n");
    write_file(file("proj/cntxmap.h"), "#define  IDH_two\t\t1000\r\n#define  IDH_old\t\t1001\r\n");
    write_file(file("proj/art/found.bmp"), "BM");
    write_file(file("proj/listed/listed.bmp"), "BM");
    write_file(file("proj/plain.rtf"), "This is not RTF.");
    write_file(file("proj/one.rtf"),
               rtf(topic("IDH_one", "{\\uldb Forward}{\\v IDH_two} \\{bmc found.bmp\\} "
                                    "\\{bmc listed.bmp\\} \\{bmc lost.bmp\\}") +
                   "\\page\r\n" + topic("", "No name {\\ul Pop}{\\v IDH_none>second}") + "\\page\r\n" +
                   topic("IDH_bad*name", "{\\uldb Away}{\\v IDH_x@other.hlp>third}") + "\\page\r\n" +
                   footnote('>', "fourth") + topic("IDH_ONE", "Twice")));
    write_file(file("proj/sub/two.rtf"), rtf(topic("IDH_two", "{\\uldb Back}{\\v IDH_one} {\\uldb Lost}{\\v IDH_lost}")));
  }
};

TEST_F(HelpcCheck, EveryProblemInTheWindows31Format) {
  write_problem_project();
  EXPECT_EQ(compile("/usr/bin/hcp.exe", helpc::kExitErrors),
            "Tarvenwick help project check (hcp.exe, Windows 3.1 messages)\r\n"
            "Project c:\\proj\\p.hpj\r\n"
            "Warning 6301: topic #1 of c:\\proj\\one.rtf : Bitmap 'lost.bmp' was not found\r\n"
            "Warning 6201: topic #2 of c:\\proj\\one.rtf : Topic 'Title of' has no context string\r\n"
            "Error 6203: topic #3 of c:\\proj\\one.rtf : Context string 'IDH_bad*name' may hold only "
            "letters, digits, periods, underscores, hyphens and blanks\r\n"
            "Warning 6501: topic #3 of c:\\proj\\one.rtf : Window 'third' is not defined in [WINDOWS]\r\n"
            "Error 6202: topic #4 of c:\\proj\\one.rtf : Context string 'IDH_ONE' is already used\r\n"
            "Warning 6501: topic #4 of c:\\proj\\one.rtf : Window 'fourth' is not defined in [WINDOWS]\r\n"
            "Error 6101: c:\\proj\\p.hpj : Topic file 'gone.rtf' was not found\r\n"
            "Error 6102: c:\\proj\\p.hpj : Topic file 'plain.rtf' is not an RTF file\r\n"
            "Warning 4113: topic #2 of c:\\proj\\one.rtf : Jump or pop-up to undefined context string 'IDH_none'\r\n"
            "Warning 4113: topic #1 of c:\\proj\\sub\\two.rtf : Jump or pop-up to undefined context string 'IDH_lost'\r\n"
            "Warning 6401: c:\\proj\\p.hpj : [MAP] entry 'IDH_stale' names no topic\r\n"
            "Warning 6401: c:\\proj\\cntxmap.h : [MAP] entry 'IDH_old' names no topic\r\n"
            "Error 6402: c:\\proj\\p.hpj : Map file 'gone.h' was not found\r\n"
            "Warning 6204: c:\\proj\\p.hpj : The contents topic 'IDH_nowhere' is not defined\r\n"
            "c:\\proj\\p.hpj: 5 topics, 5 jumps, 0 keywords, 5 errors, 9 warnings. "
            "No help file was written: this compiler checks the project only.\r\n");
}

TEST_F(HelpcCheck, HelpWorkshopFormatPutsTheTextOnAContinuationLine) {
  write_problem_project();
  std::string log = compile("hcrtf", helpc::kExitErrors);
  EXPECT_NE(log.find("5 errors, 9 warnings. No help file was written: the project has errors.\r\n"),
            std::string::npos);
  EXPECT_FALSE(tw_test::exists(file("proj/p.hlp")));
  EXPECT_NE(log.find("\r\nHC3025: Warning: topic #1 of c:\\proj\\sub\\two.rtf :\r\n"
                     "\tJump or pop-up to undefined context string 'IDH_lost'\r\n"),
            std::string::npos);
  EXPECT_NE(log.find("\r\nHC6101: Error: c:\\proj\\p.hpj :\r\n\tTopic file 'gone.rtf' was not found\r\n"),
            std::string::npos);
  EXPECT_EQ(log.rfind("Tarvenwick help project check (hcrtf.exe, Windows 95 messages)\r\n", 0), 0u);
}

TEST_F(HelpcCheck, CleanProjectExitsWithoutErrorsAndReplacesTheOldLog) {
  write_file(file("proj/p.hpj"), "[FILES]\r\na.rtf\r\n");
  write_file(file("proj/p.log"), "old log");
  write_file(file("proj/a.rtf"), rtf(topic("IDH_a", "{\\uldb Self}{\\v IDH_a}") + "\\page\r\n"));
  std::string log = compile("hcw.exe", helpc::kExitClean);
  EXPECT_NE(log.find("\r\nc:\\proj\\p.hpj: 1 topic, 1 jump, 0 keywords, 0 errors, 0 warnings."),
            std::string::npos);
  EXPECT_NE(log.find("Help file p.hlp written: 1 topic, 1 context string, 0 distinct keywords, 0 pictures.\r\n"), std::string::npos);
  EXPECT_TRUE(tw_test::exists(file("proj/p.hlp")));
  EXPECT_FALSE(tw_test::exists(file("proj/p.log.tmp")));
}

// The driver names the project in drive form and reads the log back; the
// person at the terminal sees the summary with the host path.
TEST_F(HelpcCheck, TerminalSummaryShowsHostPathsWhileTheLogKeepsTheFormGiven) {
  write_file(file("proj/p.hpj"), "[FILES]\r\n");
  helpc::RunResult result = helpc::run_compile(helpc::parse_invocation({"hcp", "c:\\PROJ\\p.hpj"}));
  EXPECT_EQ(result.summary.rfind(file("proj/p.hpj") + ": 0 topics, ", 0), 0u) << result.summary;
  EXPECT_NE(read_file(file("proj/p.log")).find("\r\nc:\\PROJ\\p.hpj: 0 topics, "), std::string::npos);
  result = helpc::run_compile(helpc::parse_invocation({"hcp", "proj/p"}));
  EXPECT_EQ(result.summary.rfind("proj/p.hpj: 0 topics, ", 0), 0u) << result.summary;
  EXPECT_NE(read_file(file("proj/p.log")).find("\r\nproj/p.hpj: 0 topics, "), std::string::npos);
}

TEST_F(HelpcCheck, MissingProjectIsNotChecked) {
  helpc::RunResult result = helpc::run_compile(helpc::parse_invocation({"hcp", "c:\\proj\\none"}));
  EXPECT_EQ(result.exit_status, helpc::kExitNotChecked);
  EXPECT_NE(result.summary.find("1 error"), std::string::npos);
}

TEST(HelpcInvocation, ProgramNamesAndSwitches) {
  auto inv = helpc::parse_invocation({"C:\\HCW\\HCW.EXE", "/c/e", "c:\\p\\s.hpj"});
  EXPECT_EQ(inv.family, helpc::Family::win95);
  EXPECT_EQ(inv.program, "hcw");
  EXPECT_EQ(inv.project, "c:\\p\\s.hpj");
  EXPECT_EQ(helpc::parse_invocation({"hcp", "s.hpj"}).family, helpc::Family::win31);
  EXPECT_EQ(helpc::parse_invocation({"hc31.exe", "/x", "s.hpj"}).family, helpc::Family::win31);
  EXPECT_EQ(helpc::parse_invocation({"helpc", "-x", "s.hpj"}).family, helpc::Family::win95);
  EXPECT_EQ(helpc::parse_invocation({"hcp", "/tmp/s"}).project, "/tmp/s");
  EXPECT_FALSE(helpc::parse_invocation({"hcp", "/x"}).error.empty());
  EXPECT_FALSE(helpc::parse_invocation({"hcp", "a.hpj", "b.hpj"}).error.empty());
}

TEST_F(HelpcCheck, DrivePathOfAnotherRootIsFoundFromTheProjectFolder) {
  write_file(file("help/Proj/p.hpj"), "[FILES]\r\n");
  platform::set_drive('c', file("elsewhere"));
  platform::set_current_directory(file("help/Proj"));
  EXPECT_EQ(helpc::locate_project("c:\\HELP\\proj\\p").value_or("-"), "c:\\HELP\\proj\\p.hpj");
  EXPECT_EQ(platform::drive_folder('c'), root());
  EXPECT_FALSE(helpc::locate_project("c:\\other\\p.hpj"));
  platform::reset_drives();
}

}  // namespace
