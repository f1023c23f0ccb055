// The compiler stand-in's check of the contents file: entries whose topic no
// topic file defines, included files, other help files and macro entries.
#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"
#include "tools/helpc/compiler_run.h"
#include "tools/helpc/contents_entries.h"
#include "tools/helpc/invocation.h"

namespace {

using tw_test::read_file;
using tw_test::write_file;

// A topic file as a word processor saves it: footnote marks in style groups,
// an escaped apostrophe in a title, CR LF lines.
std::string topic_file(const std::vector<std::string>& contexts) {
  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n";
  for (const auto& context : contexts) {
    out += "{\\cs16\\super #}{\\footnote\\pard\\plain {\\cs16\\super #} " + context + "}\r\n";
    out += "{\\cs16\\super $}{\\footnote\\pard\\plain {\\cs16\\super $} Author\\rquote s " + context +
           "}\r\n\\pard\\plain Text of " + context + ".\\par\r\n\\page\r\n";
  }
  return out + "}\r\n";
}

class HelpcContents : public tw_test::Fixture {
 protected:
  std::string compile(int expected_status) {
    helpc::RunResult result = helpc::run_compile(helpc::parse_invocation({"hcw", "c:\\proj\\p.hpj"}));
    EXPECT_EQ(result.exit_status, expected_status);
    return read_file(file("proj/p.log"));
  }

  void write_project(const std::string& options) {
    write_file(file("proj/p.hpj"),
               "[OPTIONS]\r\n" + options + "[FILES]\r\ntopics.rtf\r\n"
               "[ALIAS]\r\nIDH_setup=IDH_install_disc\r\n"
               "[WINDOWS]\r\nsecond=\"Second\",(0,0,100,100),0\r\n");
    write_file(file("proj/topics.rtf"),
               topic_file({"IDH_welcome", "IDH_install_disc", "IDH_commands", "IDH_summary"}));
  }
};

constexpr const char* kHeading = "Tarvenwick help project check (hcw.exe, Windows 95 messages)\r\n"
                                 "Project c:\\proj\\p.hpj\r\n";
constexpr const char* kClean = "c:\\proj\\p.hpj: 4 topics, 0 jumps, 0 keywords, 0 errors, 0 warnings. "
                               "Help file p.hlp written: 4 topics, 5 context strings, 0 distinct keywords, 0 pictures.\r\n";

TEST_F(HelpcContents, ReportsUndefinedEntriesOfTheFileAndItsIncludes) {
  write_project("");
  write_file(file("proj/p.cnt"),
             ":Base p.hlp>main\r\n:Title Sample Help\r\n:Index Sample Help=p.hlp\r\n"
             "1 Getting Started\r\n"
             "2 Welcome=IDH_welcome\r\n"
             "2 Installing\r\n"
             "3 From a disc=IDH_install_disc>second\r\n"
             "3 Setting up=IDH_SETUP\r\n"
             "3 Network setup=IDH_network\r\n"
             "1 Reference\r\n"
             "2 Commands=idh_commands\r\n"
             "2 Run the tutorial=!JumpId(`tutor.hlp', `IDH_lesson1')\r\n"
             "2 Open the index=!JI(`', `IDH_gone')\r\n"
             "2 Glossary=IDH_terms@glossary.hlp\r\n"
             "2 Summary=IDH_summary@P.HLP>second\r\n"
             "2 Old summary=IDH_old@p.hlp>second\r\n"
             ":include more.cnt\r\n"
             ":include absent.cnt\r\n"
             ":Include ABSENT.cnt\r\n"
             ":include tools.cnt\r\n");
  // Found whatever its case; it includes the first file again.
  write_file(file("proj/More.cnt"), "1 More\r\n2 Extra=IDH_extra\r\n:include p.cnt\r\n");
  // Another help file's contents: its entries are that file's topics.
  write_file(file("proj/tools.cnt"), ":Base tools.hlp\r\n1 Tool=IDH_tool\r\n");
  EXPECT_EQ(compile(helpc::kExitClean),
            std::string(kHeading) +
                "HC6802: Warning: c:\\proj\\p.cnt :\r\n\tIncluded contents file 'absent.cnt' was not found\r\n"
                "HC6803: Warning: c:\\proj\\p.cnt :\r\n\tContents entry to undefined context string 'IDH_network'\r\n"
                "HC6701: Warning: c:\\proj\\p.cnt :\r\n\tJump macro to undefined context string 'IDH_gone'\r\n"
                "HC6803: Warning: c:\\proj\\p.cnt :\r\n\tContents entry to undefined context string 'IDH_old'\r\n"
                "HC6803: Warning: c:\\proj\\more.cnt :\r\n\tContents entry to undefined context string 'IDH_extra'\r\n"
                "c:\\proj\\p.hpj: 4 topics, 0 jumps, 0 keywords, 0 errors, 5 warnings. "
                "Help file p.hlp written: 4 topics, 5 context strings, 0 distinct keywords, 0 pictures.\r\n");
  EXPECT_EQ(read_file(file("proj/p.cnt")).substr(0, 17), ":Base p.hlp>main\r");
}

TEST_F(HelpcContents, ProjectNamesItsContentsFile) {
  write_project("CNT=help\\Sample.cnt\r\n");
  write_file(file("proj/help/Sample.cnt"), ":Base p.hlp\n:Title Sample\n1 Book\n2 Welcome=IDH_welcome\n");
  write_file(file("proj/p.cnt"), "1 Stale=IDH_nowhere\r\n");  // not the one named
  EXPECT_EQ(compile(helpc::kExitClean), std::string(kHeading) + kClean);

  write_project("CNT=gone.cnt\r\n");
  EXPECT_NE(compile(helpc::kExitClean).find("HC6801: Warning: c:\\proj\\p.hpj :\r\n"
                                            "\tContents file 'gone.cnt' was not found\r\n"),
            std::string::npos);
}

// Named by its host path, the project's include names still find files
// whose case differs, and the messages keep the form the project was named in.
TEST_F(HelpcContents, IncludeOfAHostPathProjectIgnoresCase) {
  write_project("");
  write_file(file("proj/p.cnt"), "1 Book\n:include parts.cnt\n");
  // Back to the first file by another route: read once all the same.
  write_file(file("proj/Parts.CNT"), "2 Lost=IDH_lost\n:include sub\\..\\P.cnt\n");
  helpc::RunResult result = helpc::run_compile(helpc::parse_invocation({"hcp", "proj/p.hpj"}));
  EXPECT_EQ(result.exit_status, helpc::kExitClean);
  const std::string log = read_file(file("proj/p.log"));
  EXPECT_NE(log.find("Warning 6803: proj/parts.cnt : Contents entry to undefined context string 'IDH_lost'\r\n"),
            std::string::npos) << log;
  EXPECT_EQ(log.find("6802"), std::string::npos) << log;
}

// Folder links can make every include path new while the files repeat; a
// chain of includes past any real depth is reported where it stops.
TEST_F(HelpcContents, IncludeChainPastAnyRealDepthStops) {
  write_project("");
  write_file(file("proj/p.cnt"), "1 Book=IDH_welcome\r\n:include c1.cnt\r\n");
  for (int i = 1; i <= 70; ++i) {
    write_file(file("proj/c" + std::to_string(i) + ".cnt"),
               ":include c" + std::to_string(i + 1) + ".cnt\r\n");
  }
  const std::string log = compile(helpc::kExitClean);
  EXPECT_NE(log.find("HC6804: Warning: c:\\proj\\p.cnt :\r\n\tContents file 'c:\\proj\\c65.cnt' "
                     "was not read, its includes are nested too deeply\r\n"),
            std::string::npos) << log;
  EXPECT_NE(log.find("0 errors, 1 warning."), std::string::npos);
}

TEST_F(HelpcContents, ProjectWithoutContentsFileHasNothingToReport) {
  write_project("");
  EXPECT_EQ(compile(helpc::kExitClean), std::string(kHeading) + kClean);
}

TEST(HelpcContentsTarget, SplitsContextHelpFileAndWindow) {
  auto target = helpc::split_contents_target("IDH_a@other.hlp>second");
  EXPECT_EQ(target.context, "IDH_a");
  EXPECT_EQ(target.help_file, "other.hlp");
  target = helpc::split_contents_target("IDH_b>second@Other.HLP");
  EXPECT_EQ(target.context, "IDH_b");
  EXPECT_EQ(target.help_file, "Other.HLP");
  target = helpc::split_contents_target(" IDH_c >main");
  EXPECT_EQ(target.context, "IDH_c");
  EXPECT_EQ(target.help_file, "");
}

}  // namespace
