// The jump and pop-up dialog as the author drives it: targets typed, picked
// by title or edited, the checks on OK, the appearance and its defaults.
#include <functional>

#include "aids/jump_commands.h"
#include "aids/jump_dialog.h"
#include "aids/jump_preferences.h"
#include "core/messages.h"
#include "jump_fixture.h"

namespace {

class JumpDialogTest : public tw_test::JumpFixture {
 protected:
  std::string click, target, format = "0";
  int insert(const char* script, bool jump = true) {
    ui().queue_script(script);
    return aids::InsertJumpCommand(state, 0, jump, kDocument, click, target, format);
  }
};

// Runs the dialog over a request and lets a test look at it after its start.
class Probe : public aids::JumpDialog {
 public:
  Probe(aids::AidsState& state, aids::JumpRequest& request, std::function<void(ui::Dialog&)> look)
      : JumpDialog(state, request), look_(std::move(look)) {}
  void on_init(ui::Dialog& dialog) override {
    JumpDialog::on_init(dialog);
    look_(dialog);
  }

 private:
  std::function<void(ui::Dialog&)> look_;
};

TEST_F(JumpDialogTest, ATypedTargetGivesItsClickTextAndTheSelectedScope) {
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nset 102 IDH_Print_Setup\nclick 1\n"), 1);
  EXPECT_EQ(click, "Print Setup");
  EXPECT_EQ(target, "IDH_Print_Setup");
  EXPECT_EQ(format, "00");

  click = "printer";
  target.clear();
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nselect 102 IDH_Contents\ncheck 111 1\ncheck 112 1\ncheck 113 1\nclick 1\n"),
            5);
  EXPECT_EQ(click, "printer");
  click = "printer";
  target.clear();
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nselect 102 IDH_Contents\ncheck 111 1\ncheck 113 1\nclick 1\n"), 3);
}

TEST_F(JumpDialogTest, AnEditedTargetShowsItsPiecesAndComesBackUnchanged) {
  aids::JumpRequest request;
  request.target = "%ctx>second@other.hlp";
  Probe probe(state, request, [](ui::Dialog& d) {
    EXPECT_EQ(d.check(aids::JumpDialog::kCustomColour), 1);
    EXPECT_EQ(d.check(aids::JumpDialog::kUnderline), 0);
    EXPECT_EQ(d.text(aids::JumpDialog::kWindow), "second");
    EXPECT_EQ(d.check(aids::JumpDialog::kOtherFile), 1);
    EXPECT_EQ(d.text(aids::JumpDialog::kFileName), "other.hlp");
    EXPECT_EQ(d.text(aids::JumpDialog::kContext), "ctx");
    EXPECT_FALSE(d.enabled(aids::JumpDialog::kAllOccurrences));
  });
  request.click_text = "elsewhere";
  ui().queue_script("dialog DLG_INS_JUMP\nclick 1\n");
  EXPECT_EQ(ui().run_modal(core::authoring_module(), "DLG_INS_JUMP", probe, 0), 1);
  EXPECT_EQ(request.target, "%ctx>second@other.hlp");
  EXPECT_EQ(request.format, "00");
}

// The window list offers "main" and the project's other windows; nothing is
// chosen, which jumps in the window the topic is shown in.
TEST_F(JumpDialogTest, TheWindowListOffersMainAndTheProjectsWindows) {
  aids::JumpRequest request;
  request.jump = true;
  std::vector<std::string> offered;
  std::string chosen = "(not looked at)";
  Probe probe(state, request, [&](ui::Dialog& d) {
    for (int i = 0; i < d.item_count(aids::JumpDialog::kWindow); ++i)
      offered.push_back(d.item_text(aids::JumpDialog::kWindow, i));
    chosen = d.text(aids::JumpDialog::kWindow);
  });
  request.click_text = "print";
  ui().queue_script("dialog DLG_INS_JUMP\nclick 2\n");
  ui().run_modal(core::authoring_module(), "DLG_INS_JUMP", probe, 0);
  EXPECT_EQ(offered, (std::vector<std::string>{"main", "second"}));
  EXPECT_EQ(chosen, "");
}

TEST_F(JumpDialogTest, TestButtonsFollowOnlyJumpsWithinTheProject) {
  state.data.preferences.words[aids::kWordTestButtons] = 1;
  click = "other";
  target = "ctx@other.hlp";
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nclick 1\n"), 1);
  EXPECT_EQ(format, "00");
  target = "IDH_Contents";
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nclick 1\n"), 1);
  EXPECT_EQ(format, "10");
}

TEST_F(JumpDialogTest, OkChecksTheFieldsInOrderAndKeepsTheDialogOpen) {
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\n"
                   "click 1\nmessage OK\n"
                   "set 102 bad-name\nclick 1\nmessage OK\n"
                   "set 102 IDH_nowhere\nclick 1\nmessage OK\n"
                   "set 102 IDH_Contents\nset 137 floating\nclick 1\nmessage OK\n"
                   "set 137 SECOND\ncheck 511 1\nclick 1\nmessage OK\n"
                   "set 513 other.hlp\nclick 1\n"),
            1);
  const auto m = messages();
  // A Windows 95 project's windows are Help Workshop's (here it cannot start).
  ASSERT_EQ(m.size(), 6u);
  EXPECT_NE(m[0].find("You must enter a value for the click text"), std::string::npos) << m[0];
  EXPECT_NE(m[0].find("icon=stop"), std::string::npos);
  EXPECT_NE(m[1].find("Context strings may contain only letters, digits and underscores."), std::string::npos);
  EXPECT_NE(m[2].find("Context string IDH_nowhere not found.  You must enter an existing value."),
            std::string::npos);
  EXPECT_NE(m[3].find("Unrecognized secondary window floating."), std::string::npos);
  EXPECT_NE(m[4].find("locate or run the Help Workshop/Compiler"), std::string::npos);
  EXPECT_NE(m[5].find("Specify a help file."), std::string::npos);
  EXPECT_EQ(target, "IDH_Contents>SECOND@other.hlp");
  EXPECT_EQ(click, "Contents");
}

TEST_F(JumpDialogTest, SelectedTextWithoutTargetAsksForTheContextString) {
  click = "some words";
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nclick 1\nmessage OK\nclick 2\n"), 0);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].find("You must enter a value for the context string"), std::string::npos);
  EXPECT_EQ(click, "some words");
}

TEST_F(JumpDialogTest, UndefinedTopicsPassWhenThePreferenceAllowsThem) {
  state.data.preferences.words[aids::kWordUndefinedJumps] = 1;
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nset 102 IDH_Later_Topic\nclick 1\n"), 1);
  EXPECT_EQ(click, "Later Topic");
  EXPECT_TRUE(messages().empty());
}

TEST_F(JumpDialogTest, ATitleNamesTheTargetAndTheClickText) {
  tw_test::write_file(host("c:\\help\\guide.kdb"),
                      "IDH_Print_Setup\tSetting up the printer\tprinting\r\nIDH_untitled\t\tloose\r\n");
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\ncheck 636 1\nselect 601 # {IDH_untitled}\nclick 1\n"), 1);
  EXPECT_EQ(target, "IDH_untitled");
  EXPECT_EQ(click, "untitled");

  click = "my words";
  target.clear();
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\ncheck 636 1\nselect 601 Setting up the printer=IDH_Print_Setup\nclick 1\n"),
            1);
  EXPECT_EQ(target, "IDH_Print_Setup");
  EXPECT_EQ(click, "my words");
}

TEST_F(JumpDialogTest, ACustomAppearanceCanBecomeTheDefault) {
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nset 102 IDH_Contents\ncheck 510 1\ncheck 509 1\nselect 550 Red\n"
                   "check 525 1\nclick 1\n"),
            1);
  EXPECT_EQ(target, "*IDH_Contents");
  EXPECT_EQ(format, "06");
  EXPECT_EQ(setting("Default hotspot color"), "6");
  EXPECT_EQ(setting("Default underline"), "1");

  aids::JumpRequest request;
  Probe probe(state, request, [](ui::Dialog& d) {
    EXPECT_EQ(d.check(aids::JumpDialog::kCustomColour), 1);
    EXPECT_EQ(d.check(aids::JumpDialog::kUseAsDefault), 1);
    EXPECT_EQ(d.text(aids::JumpDialog::kColour), "Red");
  });
  ui().run_modal(core::authoring_module(), "DLG_INS_JUMP", probe, 0);

  // Without the box the default is dropped again.
  target.clear();
  click.clear();
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nset 102 IDH_Contents\ncheck 525 0\ncheck 510 0\nclick 1\n"), 1);
  EXPECT_EQ(target, "IDH_Contents");
  EXPECT_EQ(setting("Default hotspot color"), "-1");
}

TEST_F(JumpDialogTest, PopupsHaveNoWindowAndTheirOwnDialog) {
  target = "IDH_Contents>second";
  click = "see";
  EXPECT_EQ(insert("dialog DLG_INS_DEF\nclick 1\n", false), 1);
  EXPECT_EQ(target, "IDH_Contents");
}

TEST_F(JumpDialogTest, TheTargetIsOneWordAndAForeignDocumentStopsTheCommand) {
  target = "  IDH_Contents trailing words ";
  click = "  see  ";
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nclick 1\n"), 1);
  EXPECT_EQ(target, "IDH_Contents");
  EXPECT_EQ(click, "see");

  ui().queue_script("message Cancel\n");
  EXPECT_EQ(aids::InsertJumpCommand(state, 0, true, "c:\\other\\loose.rtf", click, target, format), 0);
}

TEST_F(JumpDialogTest, TheFinderOpensOverTheDialog) {
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nclick 189\nclick 2\n"), 0);
  bool opened = false;
  for (const auto& line : ui().transcript()) opened |= line.find("window DLG_CX_FIND") != std::string::npos;
  EXPECT_TRUE(opened);
}

}  // namespace
