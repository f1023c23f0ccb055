// The help viewer stand-in and the product's own help: calls for the
// product's help files open the published page of the topic.
#include "platform/product_help.h"

#include <gtest/gtest.h>

#include "platform/process.h"
#include "platform/profile.h"
#include "platform/winhelp.h"
#include "support/test_support.h"

namespace {

using Lines = std::vector<std::string>;

class ProductHelp : public tw_test::Fixture {
 protected:
  void SetUp() override {
    tw_test::Fixture::SetUp();
    site_ = file("help site");
    tw_test::write_file(site_ + "/contexts.ini",
                        "[Topics]\r\nIDH_jump=aidsp3.htm\r\nIDH_note=aidsp3.htm#IDH_note\r\n"
                        "idx_1079_help=compilep4.htm\r\n\r\n[Map]\r\n1061=IDH_jump\r\n1131=idx_1079_help\r\n"
                        "1999=IDH_gone\r\n10=IDH_jump\r\n\r\n[Keywords]\r\nJI=macrosp2.htm#IX_4\r\n"
                        "JumpId=macrosp2.htm#IX_5\r\n\r\n[Publication]\r\nstart=twztoc.htm\r\n");
    platform::write_profile_string("Platform", "product help", site_, "WIN.INI");
    platform::write_profile_string("Platform", "product help files", "trvwck.hlp qsa.hlp pointip.hlp", "WIN.INI");
  }
  std::string page(const std::string& name) const { return "helppage \"" + site_ + "/" + name + "\""; }
  std::string site_;
};

TEST_F(ProductHelp, ContextNumbersOpenTheirTopicsPage) {
  EXPECT_EQ(platform::win_help(1, "c:\\trvwck\\TRVWCK.HLP", platform::kHelpContext, 1061), 1);
  // The "error" window of the compiler messages is the same file.
  platform::win_help(1, "c:\\trvwck\\TRVWCK.HLP>error", platform::kHelpContext, 1131);
  EXPECT_EQ(ui().transcript(), (Lines{"winhelp \"c:\\trvwck\\TRVWCK.HLP\" command=1 data=1061", page("aidsp3.htm"),
                                      "winhelp \"c:\\trvwck\\TRVWCK.HLP>error\" command=1 data=1131",
                                      page("compilep4.htm")}));
}

TEST_F(ProductHelp, ContentsAndUnknownNumbersOpenTheStartPage) {
  platform::win_help(1, "trvwck.hlp", platform::kHelpFinder, 0);
  platform::win_help(1, "trvwck.hlp", platform::kHelpContents, 0);
  platform::win_help(1, "trvwck.hlp", platform::kHelpContext, 4242);  // not in [Map]
  platform::win_help(1, "trvwck.hlp", platform::kHelpContext, 1999);  // mapped to no topic
  Lines pages;
  for (const auto& line : ui().transcript())
    if (line.rfind("helppage", 0) == 0) pages.push_back(line);
  EXPECT_EQ(pages, Lines(4, page("twztoc.htm")));
}

TEST_F(ProductHelp, JumpMacrosOpenTheirTopicWithItsAnchor) {
  platform::win_help_text(1, "trvwck.hlp", platform::kHelpCommand, "JI(\"trvwck.hlp>error\",\"idx_1079_help\")");
  platform::win_help_text(1, "trvwck.hlp", platform::kHelpCommand, "JumpId(`trvwck.hlp', `IDH_note')");
  EXPECT_EQ(ui().transcript()[1], page("compilep4.htm"));
  EXPECT_EQ(ui().transcript()[3], page("aidsp3.htm#IDH_note"));
}

// A keyword (the Macro Editor's "Help On") opens its first topic's page,
// in any case; one no topic has opens the start page, as the viewer would
// open its index.
TEST_F(ProductHelp, KeywordsOpenTheirTopicsPage) {
  platform::win_help_text(1, "TRVWCK.HLP", platform::kHelpPartialKey, "ji");
  platform::win_help_text(1, "trvwck.hlp", platform::kHelpKey, " JumpId ");
  platform::win_help_text(1, "trvwck.hlp", platform::kHelpPartialKey, "MyOwn");
  platform::win_help_text(1, "trvwck.hlp", platform::kHelpPartialKey, "a=b");
  EXPECT_EQ(ui().transcript()[1], page("macrosp2.htm#IX_4"));
  EXPECT_EQ(ui().transcript()[3], page("macrosp2.htm#IX_5"));
  EXPECT_EQ(ui().transcript()[5], page("twztoc.htm"));
  EXPECT_EQ(ui().transcript()[7], page("twztoc.htm"));
}

// The Pointip Assistant asks its own file for a control's popup.
TEST_F(ProductHelp, ContextPopupsOfTheAssistantOpenTheirPage) {
  platform::win_help(1, "c:\\trvwck\\help\\pointip.hlp", platform::kHelpContextPopup, 10);
  EXPECT_EQ(ui().transcript()[1], page("aidsp3.htm"));
}

TEST_F(ProductHelp, OtherHelpFilesAndCommandsKeepTheViewersWay) {
  platform::win_help(1, "c:\\p\\project.hlp", platform::kHelpContext, 1061);
  platform::win_help_text(1, "trvwck.hlp", platform::kHelpCommand, "JI(\"x.hlp\",\"IDH_none\")");
  platform::win_help(1, "trvwck.hlp", platform::kHelpQuit, 0);
  for (const auto& line : ui().transcript()) EXPECT_EQ(line.rfind("helppage", 0), std::string::npos) << line;
}

TEST_F(ProductHelp, WithoutAPublishedIndexNothingChanges) {
  platform::write_profile_string("Platform", "product help", file("nowhere"), "WIN.INI");
  EXPECT_FALSE(platform::product_help_folder("trvwck.hlp"));
  platform::win_help(1, "trvwck.hlp", platform::kHelpContext, 1061);
  EXPECT_EQ(ui().transcript(), (Lines{"winhelp \"trvwck.hlp\" command=1 data=1061"}));
}

TEST_F(ProductHelp, TheQuickStartViewerCommandOpensItsPage) {
  tw_test::write_file(site_ + "/contexts.ini",
                      "[Topics]\r\nIDH_quick=startp2.htm\r\n[Map]\r\n1000=IDH_quick\r\n[Publication]\r\nstart=x.htm\r\n");
  auto started = platform::start_program("winhlp32.exe -W wiz -N 1000 c:\\trvwck\\qsa.hlp", platform::kShowNormal);
  EXPECT_GE(started.code, 32);
  EXPECT_EQ(ui().transcript(), (Lines{page("startp2.htm")}));
  // Another help file is still the viewer program's.
  EXPECT_FALSE(platform::start_product_help_viewer("winhlp32.exe -N 1000 c:\\p\\other.hlp"));
}

}  // namespace
