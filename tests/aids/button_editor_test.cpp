// The Button Editor and the new-button dialog under headless scripts, from
// the project dialog to the project file.
#include <gtest/gtest.h>

#include "aids/button_editor.h"
#include "core/settings.h"
#include "platform/profile.h"
#include "project/dialogs/project_dialogs.h"
#include "project/files/project_file.h"
#include "project/project_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class ButtonEditorTest : public tw_test::ProjectFixture {
 protected:
  static constexpr const char* kProject = "c:\\help\\guide.hpj";
  const std::string legacy =
      "[OPTIONS]\r\nTITLE=Guide\r\n[FILES]\r\nintro.rtf\r\n[WINDOWS]\r\nmain=\"Guide\",,,,\r\n"
      "side=\"Side\",(0,0,512,512),0,,\r\n[CONFIG]\r\nRR(`my.dll', `Go', `')\r\n";

  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(kProject, legacy);
    tw_test::write_file(root() + "/windows/TRVWCK6.INI",
                        std::string("[TARVENWICK]\nPROJECT=") + kProject + "\n");
    platform::write_profile_string("Project", "W95", "0", core::option_file_path(kProject));
    ASSERT_EQ(project::ReadProjectFile(state), 1);
  }
  int run(const std::string& script) {
    ui().queue_script("dialog DLG_BUTTONS\n" + script);
    return aids::EditButtonBar(state, 5);
  }
  size_t count(const std::string& needle) {
    size_t n = 0;
    for (const auto& line : ui().transcript()) n += line.find(needle) != std::string::npos;
    return n;
  }
};

TEST_F(ButtonEditorTest, ActionsRoundTripThroughTheirMacros) {
  auto jump = aids::read_button_action("JumpId(`guide.hlp>side', `intro')");
  EXPECT_EQ(jump.action, aids::ButtonAction::jump);
  EXPECT_EQ(jump.help_file, "guide.hlp");
  EXPECT_EQ(jump.window, "side");
  EXPECT_EQ(jump.context, "intro");
  EXPECT_EQ(aids::button_action_macro(jump, "x.hlp"), "JI(\"guide.hlp>side\",\"intro\")");
  jump.help_file.clear();
  EXPECT_EQ(aids::button_action_macro(jump, "x.hlp"), "JI(\"x.hlp>side\",\"intro\")");
  jump.window.clear();
  jump.action = aids::ButtonAction::popup;
  EXPECT_EQ(aids::button_action_macro(jump, "x.hlp"), "PI(\"\",\"intro\")");
  EXPECT_EQ(aids::read_button_action("JI(\"a\")").action, aids::ButtonAction::macro);
  EXPECT_EQ(aids::read_button_action("  ").action, aids::ButtonAction::standard);
}

TEST_F(ButtonEditorTest, NewJumpButtonReachesTheProjectFile) {
  EXPECT_EQ(run("click 103\ndialog DLG_NEW_BUTTON\nclick 1\nmessage OK\nset 101 &Web\nset 102 btn_back\n"
                "click 1\nmessage OK\nset 102 btn_web\nclick 1\n"
                "click 121\nclick 1\nmessage OK\nset 114 intro\nset 137 side\nclick 1\n"),
            1);
  EXPECT_EQ(count("You must specify a button name."), 1u);
  EXPECT_EQ(count("Button ID has already been used."), 1u);
  EXPECT_EQ(count("You must specify a target context string"), 1u);
  ASSERT_EQ(state.data.buttons.size(), 7u);
  EXPECT_EQ(state.data.buttons[6].macro, "JI(\"guide.hlp>side\",\"intro\")");
  EXPECT_EQ(state.data.project.config_macros,
            "CB(`btn_web', `&Web', `JI(\"guide.hlp>side\",\"intro\")');RR(`my.dll', `Go', `')");
  const std::string out = text_of(kProject);
  EXPECT_NE(out.find("[CONFIG]\r\nCB(`btn_web', `&Web', `JI(\"guide.hlp>side\",\"intro\")')\r\n"), std::string::npos)
      << out;
  // Read again, the editor shows the same bar and changes nothing.
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  EXPECT_EQ(run("click 1\n"), 1);
  EXPECT_EQ(text_of(kProject), out);
}

TEST_F(ButtonEditorTest, StandardButtonsStayAndBrowseButtonsAreAFlag) {
  EXPECT_EQ(run("click 104\nmessage OK\nclick 205\nclick 109\nclick 205\nclick 122\nset 114 tip\nclick 1\n"), 1);
  EXPECT_EQ(count("You can't remove a standard button."), 1u);
  EXPECT_EQ(count("ignored \"click 205\""), 1u);  // the browse buttons show once ticked
  EXPECT_TRUE(state.data.project.browse_buttons);
  EXPECT_EQ(state.data.buttons[4].macro, "PI(\"\",\"tip\")");
  EXPECT_EQ(state.data.project.config_macros, "CBB(\"btn_previous\", \"PI(`',`tip')\");RR(`my.dll', `Go', `')");
  EXPECT_NE(text_of(kProject).find("BrowseButtons()"), std::string::npos);
}

TEST_F(ButtonEditorTest, DependingButtonsGoToTheDefaultEntryMacros) {
  EXPECT_EQ(run("click 103\ndialog DLG_NEW_BUTTON\nset 101 &Tip\nset 102 btn_tip\nclick 111\nclick 122\n"
                "click 1\nclick 1\n"),
            1);
  EXPECT_EQ(aids::default_entry_macros(state),
            "IfThenElse(Not(IsMark(\"btn_tip\")), \"SaveMark(`btn_tip');CB(`btn_tip', `&Tip', `')\", "
            "\"CBB(`btn_tip', `')\")");
  EXPECT_EQ(state.data.project.config_macros, "RR(`my.dll', `Go', `')");
}

TEST_F(ButtonEditorTest, HelpWorkshopProjectsHideTheFirstFour) {
  state.win95_compiler = 1;
  EXPECT_EQ(run("click 201\nclick 140\nmessage OK\nclick 2\n"), 0);
  EXPECT_EQ(count("ignored \"click 201\""), 1u);
  EXPECT_EQ(count("You must use Help Workshop to define standard buttons."), 1u);
  EXPECT_EQ(text_of(kProject), legacy);
}

TEST_F(ButtonEditorTest, TheProjectDialogOpensTheEditor) {
  ui().queue_script("dialog DLG_PRJ\nclick 120\ndialog DLG_BUTTONS\nclick 109\nclick 1\nclick 1\n");
  EXPECT_EQ(project::SetOptions(state, 5), 1);
  EXPECT_TRUE(state.data.project.browse_buttons);
}

}  // namespace
