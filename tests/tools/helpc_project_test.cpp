// The compiler stand-in on legacy projects: aliases and maps from included
// files, context strings with hyphens and blanks, and the jumps of
// [CONFIG] macros, buttons and macro hotspots.
#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"
#include "tools/helpc/compiler_run.h"
#include "tools/helpc/invocation.h"
#include "tools/helpc/jump_macros.h"

namespace {

using tw_test::read_file;
using tw_test::write_file;

// A topic as a word processor writes it: footnote marks in a character
// style group, the page break at the end.
std::string word_topic(const std::string& context, const std::string& body) {
  return "{\\cs15\\super #}{\\footnote \\pard\\plain \\s16 {\\cs15\\super #} " + context +
         "}\r\n{\\cs15\\super $}{\\footnote \\pard\\plain \\s16 {\\cs15\\super $} " + context +
         "}\r\n" + body + "\\par \\page\r\n";
}

std::string word_rtf(const std::string& topics) {
  return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
         "{\\stylesheet{\\s16 footnote text;}{\\*\\cs15 \\super footnote reference;}}\r\n" +
         topics + "}\r\n";
}

class HelpcProject : public tw_test::Fixture {
 protected:
  std::string compile(int expected_status) {
    helpc::RunResult result = helpc::run_compile(helpc::parse_invocation({"hcp", "c:\\proj\\p.hpj"}));
    EXPECT_EQ(result.exit_status, expected_status);
    return read_file(file("proj/p.log"));
  }
};

TEST_F(HelpcProject, AliasesMapsAndMacroJumpsOfALegacyProject) {
  write_file(file("proj/p.hpj"),
             "; Gadget help, Windows 3.1\r\n[options]\r\nTITLE=Gadgets\r\n"
             "[Files]\r\nmain.rtf\r\n[bitmaps]\r\n[Alias]\r\nold-start=Getting started\r\n"
             "IDH_twice=old-start\r\nIDH_lost=IDH_nowhere ; removed topic\r\n#include <alias.txt>\r\n"
             "[Map]\r\n#include <ctx.h>\r\nIDH_print 20\r\n"
             "[Config]\r\n; buttons\r\nCB(`btn_up', `&Up', `JI(`', `IDH_missing')')\r\n"
             "CreateButton(\"btn_home\", \"&Home\", \"JumpId(\\\"p.hlp>main\\\", \\\"IDH_print\\\")\")\r\n"
             "JI(`other.hlp', `IDH_elsewhere')\r\n");
  write_file(file("proj/alias.txt"), "IDH_old_print = IDH_print\n");
  write_file(file("proj/ctx.h"),
             "/* context ids, aliases\n   included */\n#define old-start 10 // first topic\n"
             "#define IDH_old_print\t0x14\t// the number of IDH_print\n");
  write_file(file("proj/main.rtf"),
             word_rtf(word_topic("Getting started", "Welcome. {\\uldb Print}{\\v IDH-print-alias}") +
                      word_topic("IDH_print", "{\\uldb Back}{\\v old-start} {\\ul Old}{\\v IDH_old_print} "
                                              "\\{button Go,JI(`',`IDH_gone')\\} "
                                              "{\\uldb Pop}{\\v !PI(`', `IDH_nopop')}") +
                      word_topic("IDH-print-alias", "Hyphens link.")));
  EXPECT_EQ(compile(helpc::kExitErrors),
            "Tarvenwick help project check (hcp.exe, Windows 3.1 messages)\r\n"
            "Project c:\\proj\\p.hpj\r\n"
            "Warning 6701: topic #2 of c:\\proj\\main.rtf : Jump macro to undefined context string 'IDH_nopop'\r\n"
            "Warning 6701: topic #2 of c:\\proj\\main.rtf : Jump macro to undefined context string 'IDH_gone'\r\n"
            "Error 6601: c:\\proj\\p.hpj : [ALIAS] entry 'IDH_twice' names another alias\r\n"
            "Warning 6602: c:\\proj\\p.hpj : [ALIAS] entry 'IDH_lost' names no topic\r\n"
            "Warning 6701: c:\\proj\\p.hpj : Jump macro to undefined context string 'IDH_missing'\r\n"
            "Warning 6403: c:\\proj\\ctx.h : [MAP] entry 'IDH_old_print' has the same number as an earlier "
            "entry\r\n"
            "c:\\proj\\p.hpj: 3 topics, 3 jumps, 0 keywords, 1 error, 5 warnings. "
            "No help file was written: this compiler checks the project only.\r\n");
}

TEST_F(HelpcProject, FileThatIsNoHelpProjectIsSaidToBeNone) {
  write_file(file("proj/p.hpj"), "Notes for the gadget manual.\nTITLE=none\n");
  std::string log = compile(helpc::kExitErrors);
  EXPECT_NE(log.find("Error 6002: c:\\proj\\p.hpj : The file 'c:\\proj\\p.hpj' is not a help project file\r\n"),
            std::string::npos)
      << log;
}

TEST(HelpcJumpMacros, CallsInsideQuotedArgumentsAndTheirHelpFiles) {
  auto jumps = helpc::jump_macros(
      "CB(`b', `&B', `JI(`a.hlp>w', `IDH_a'):PI(qchPath, \"IDH_b\")');jumpid (`', IDH_c);"
      "JumpContext(`', 5);XJI(`', `no');JI(`unclosed'");
  ASSERT_EQ(jumps.size(), 3u);
  EXPECT_EQ(jumps[0].help_file, "a.hlp>w");
  EXPECT_EQ(jumps[0].context, "IDH_a");
  EXPECT_EQ(jumps[1].help_file, "qchPath");
  EXPECT_EQ(jumps[1].context, "IDH_b");
  EXPECT_EQ(jumps[2].context, "IDH_c");
  EXPECT_TRUE(helpc::names_own_help_file("", "p.hlp"));
  EXPECT_TRUE(helpc::names_own_help_file("QCHPATH", "p.hlp"));
  EXPECT_TRUE(helpc::names_own_help_file("c:\\out\\P.HLP>main", "p.hlp"));
  EXPECT_FALSE(helpc::names_own_help_file("a.hlp>w", "p.hlp"));
}

}  // namespace
