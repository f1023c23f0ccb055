// The keyword-jump dialog and its options as the author drives them.
#include "aids/link_dialog.h"
#include "aids/link_options.h"
#include "aids/related_fixture.h"
#include "core/messages.h"
#include "jump_fixture.h"

namespace {

class LinkDialogTest : public tw_test::JumpFixture {
 protected:
  void SetUp() override {
    JumpFixture::SetUp();
    tw_test::write_file(host("c:\\help\\guide.kdb"),
                        "IDH_Print_Setup\tPrint Setup\tprinting;a\r\nIDH_Contents\tContents\tb;a\r\n");
    tw_test::write_file(host("c:\\help\\guide.adb"), "IDH_Contents\tContents\tstart\r\n");
  }
  aids::LinkRequest request;
  int insert(const char* script) {
    ui().queue_script(script);
    return aids::InsertLinkCommand(state, 0, kDocument, request);
  }
};

TEST_F(LinkDialogTest, TwoKeywordsWithTheBorderOnlyMakeTheStandardKLink) {
  EXPECT_EQ(insert("dialog DLG_LINK\nselect 101 a\nclick 130\nset 102 B\nclick 130\nclick 130\n"
                   "check 160 0\nclick 1\n"),
            2);
  EXPECT_EQ(request.link_text, "%!KLink(\"a;b\",0,\"\",\"\")");
  EXPECT_EQ(request.click_text, "Related Topics");
  EXPECT_EQ(request.format, "020");
  EXPECT_EQ(option("KA"), "0");

  // The emulation library alone makes the command answer 1.
  state.win95_compiler = 0;
  state.data.project.emulation = true;
  request = {};
  EXPECT_EQ(insert("dialog DLG_LINK\ncheck 105 1\nselect 101 start\ndblclick 101 0\nselect 165 See Also\nclick 1\n"),
            1);
  EXPECT_EQ(request.link_text, "%!ALink(\"start\",0,\"\",\"\")");
  EXPECT_EQ(request.click_text, "See Also");
  EXPECT_EQ(request.format, "030");
  EXPECT_EQ(option("KA"), "1");
}

TEST_F(LinkDialogTest, AnEditedLinkKeepsItsChoicesAndDecorations) {
  request.link_text = "*!ALink(\"start; more\",1,\"IDH_none\",\"second\")";
  request.click_text = "See\tAlso ";
  request.format = "5 1";
  EXPECT_EQ(insert("dialog DLG_LINK\nclick 1\n"), 2);
  EXPECT_EQ(request.link_text, "*!ALink(\"start;more\",1,\"IDH_none\",\"second\")");
  EXPECT_EQ(request.click_text, "See Also");
  EXPECT_EQ(request.format, "015");
}

TEST_F(LinkDialogTest, OkNeedsKeywordsAndHotspotText) {
  EXPECT_EQ(insert("dialog DLG_LINK\nclick 1\nmessage OK\nselect 101 b\nclick 130\nset 165  \nclick 1\nmessage OK\n"
                   "click 2\n"),
            0);
  const auto m = messages();
  ASSERT_EQ(m.size(), 2u);
  EXPECT_NE(m[0].find("You must choose at least one keyword to define the link."), std::string::npos);
  EXPECT_NE(m[1].find("You must specify the hotspot text for the link."), std::string::npos);
  EXPECT_EQ(request.link_text, "");
}

TEST_F(LinkDialogTest, WindowsThreeProjectsWithoutEmulationAreRefused) {
  state.win95_compiler = 0;
  EXPECT_EQ(insert(""), 0);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].find("only if you are using the Windows 95 help compiler or the Windows 95 Emulation DLL."),
            std::string::npos);
}

TEST_F(LinkDialogTest, OptionsChangeTheMacroAndMayBecomeTheDefaults) {
  EXPECT_EQ(insert("dialog DLG_LINK\nselect 101 printing\nclick 130\nclick 153\n"
                   "dialog DLG_LINK_OPT\ncheck 101 1\ncheck 102 1\nset 104 IDH_none\nselect 151 second\n"
                   "check 510 1\ncheck 509 1\nselect 550 Blue\ncheck 103 1\nclick 1\n"
                   "click 1\n"),
            2);
  EXPECT_EQ(request.link_text, "*!KLink(\"printing\",3,\"IDH_none\",\"second\")");
  EXPECT_EQ(request.format, "032");
  EXPECT_EQ(option("LT"), "3");
  EXPECT_EQ(option("LC"), "2");
  EXPECT_EQ(option("LD"), "IDH_none");
  EXPECT_EQ(option("LW"), "second");
  EXPECT_EQ(option("LR"), "*");

  // The next link starts from them; no custom colour drops prefix and colour.
  request = {};
  EXPECT_EQ(insert("dialog DLG_LINK\nselect 101 a\nclick 130\nclick 153\n"
                   "dialog DLG_LINK_OPT\ncheck 510 0\nclick 1\nclick 1\n"),
            2);
  EXPECT_EQ(request.link_text, "!KLink(\"a\",3,\"IDH_none\",\"second\")");
  EXPECT_EQ(request.format, "03-1");
  EXPECT_EQ(option("LR"), "*");  // not made the default this time
}

TEST_F(LinkDialogTest, APictureHotspotHasNoTextAndNoDecorations) {
  request.click_text = "TWZ_718";
  EXPECT_EQ(insert("dialog DLG_LINK\nselect 101 b\nclick 130\nclick 1\n"), 2);
  EXPECT_EQ(request.click_text, "");
  EXPECT_EQ(request.format, "000");
}

TEST_F(LinkDialogTest, TheTestShowsTheTopicsTheJumpFinds) {
  state.options.invalid_index = true;
  EXPECT_EQ(insert("message OK\ndialog DLG_LINK\nselect 101 a\nclick 130\nclick 152\nmessage OK\nclick 2\n"), 0);
  // The warning shows when the dialog opens and again for the test.
  const auto m = messages();
  ASSERT_EQ(m.size(), 2u);
  EXPECT_NE(m[1].find("The keyword indexes for this project are out of date."), std::string::npos);
}

// Keeps the keyword list the dialog shows when the author presses OK.
class KeywordProbe : public aids::LinkDialog {
 public:
  using LinkDialog::LinkDialog;
  std::vector<std::string> keywords;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == ui::kIdOk) {
      keywords.clear();
      for (int i = 0; i < dialog.item_count(kKeywords); ++i) keywords.push_back(dialog.item_text(kKeywords, i));
    }
    LinkDialog::on_command(dialog, id, notify);
  }
};

TEST_F(LinkDialogTest, ARelatedProjectOffersItsOwnKeywords) {
  tw_test::add_related_project(state, {"IDH_Elsewhere"});
  // A stale sorted cache of the other project must not be what is offered.
  tw_test::write_file(host("c:\\help\\two.kdb"), "IDH_Elsewhere\tElsewhere\telsewhere;zebra\r\n");
  tw_test::write_file(host("c:\\help\\two.srt"), "stale\r\n");
  state.keywords.cache_valid_k = true;
  tw_test::write_file(host("c:\\help\\guide.srt"), "a\r\nb\r\nprinting\r\n");

  KeywordProbe probe(state, request);
  ui().queue_script("dialog DLG_LINK\nclick 295\nwindow DLG_WG_LIST\nselect# 101 0\nwindow DLG_LINK\n"
                    "select 101 zebra\nclick 130\nclick 1\n");
  EXPECT_EQ(ui().run_modal(core::authoring_module(), "DLG_LINK", probe, 0), 1);
  EXPECT_EQ(probe.keywords, (std::vector<std::string>{"elsewhere", "zebra"}));
  EXPECT_EQ(request.link_text, "%!KLink(\"zebra\",0,\"\",\"\")");
  EXPECT_EQ(ui::host().find_window("DLG_WG_LIST"), 0) << "the list goes with the dialog";

  // Back on the current project ("<active>"), the keywords are ours again.
  KeywordProbe back(state, request);
  ui().queue_script("dialog DLG_LINK\nclick 295\nwindow DLG_WG_LIST\nselect# 101 0\nselect# 101 1\n"
                    "window DLG_LINK\nclick 1\n");
  EXPECT_EQ(ui().run_modal(core::authoring_module(), "DLG_LINK", back, 0), 1);
  EXPECT_EQ(back.keywords, (std::vector<std::string>{"a", "b", "printing"}));
}

TEST_F(LinkDialogTest, AMissingOptionFileGivesTheStandardChoices) {
  aids::LinkDefaults d = aids::ReadLinkDefaults("c:\\help\\nothing.opt");
  EXPECT_TRUE(d.klink);
  EXPECT_EQ(d.type, 0);
  EXPECT_EQ(d.colour, 0);
  EXPECT_EQ(d.prefix, "%");
  EXPECT_EQ(d.not_found, "");
  EXPECT_EQ(d.window, "");
}

}  // namespace
