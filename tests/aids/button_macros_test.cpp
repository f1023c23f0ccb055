// The button bar as start-up and entry macros, and back.
#include <gtest/gtest.h>

#include "aids/button_macros.h"

namespace {

using aids::ButtonMacroInput;
using project::Button;

Button button(std::string id, std::string caption, std::string macro, int enabled, int visible,
              int depends = 0) {
  return Button{std::move(id), std::move(caption), std::move(macro),
                {static_cast<std::int16_t>(enabled), static_cast<std::int16_t>(visible),
                 static_cast<std::int16_t>(depends)}};
}

std::vector<Button> bar() {
  std::vector<Button> buttons = project::standard_buttons();
  buttons[0].macro = "JI(`guide.hlp', `toc')";
  buttons[2].states[aids::kEnabledState] = aids::kUsuallyDimmed;
  buttons.push_back(button("btn_web", "&Web", "EP(`web.exe',1)", aids::kAlwaysEnabled, aids::kAlwaysVisible));
  buttons.push_back(button("btn_tip", "&Tip", "PI(`', `tip')", aids::kAlwaysEnabled, aids::kUsuallyVisible));
  buttons.push_back(button("btn_old", "&Old", "", aids::kAlwaysEnabled, aids::kUsuallyHidden));
  buttons.push_back(button("btn_go", "&Go", "Next()", aids::kUsuallyEnabled, aids::kAlwaysVisible, 1));
  return buttons;
}

TEST(ButtonMacros, ProjectModeBuildsBothTextsAndKeepsForeignMacros) {
  ButtonMacroInput in;
  in.buttons = bar();
  in.startup = "BrowseButtons();RR(`tw95em.dll', `IsW95', `i=i');CB(`btn_web', `&W', `About()')";
  in.entry = "DB(\"btn_gone\");SaveMark(`x')";
  auto out = aids::compose_button_macros(in);
  EXPECT_EQ(out.startup,
            "CBB(\"btn_contents\", \"JI(`guide.hlp', `toc')\");CB(`btn_web', `&Web', `EP(`web.exe',1)');"
            "CB(`btn_go', `&Go', `Next()');RR(`tw95em.dll', `IsW95', `i=i')");
  EXPECT_EQ(out.entry,
            "DB(\"btn_back\");"
            "IfThenElse(Not(IsMark(\"btn_tip\")), \"SaveMark(`btn_tip');CB(`btn_tip', `&Tip', `PI(`', `tip')')\", "
            "\"CBB(`btn_tip', `PI(`', `tip')')\");"
            "IfThen(IsMark(\"btn_old\"), \"DeleteMark(`btn_old');DestroyButton(`btn_old')\");"
            "EB(\"btn_go\");DB(\"btn_gone\");SaveMark(`x')");
  // Made again from its own output, nothing doubles.
  in.startup = out.startup;
  in.entry = out.entry;
  auto again = aids::compose_button_macros(in);
  EXPECT_EQ(again.startup, out.startup);
  EXPECT_EQ(again.entry, out.entry);
}

TEST(ButtonMacros, HelpWorkshopOwnsTheFirstFourButtons) {
  ButtonMacroInput in;
  in.buttons = project::standard_buttons();
  in.buttons[0].macro = "Contents()";
  in.buttons[4].macro = "Prev()";
  in.win95 = true;
  auto out = aids::compose_button_macros(in);
  EXPECT_EQ(out.startup, "CBB(\"btn_previous\", \"Prev()\")");
  EXPECT_EQ(out.entry, "");
}

TEST(ButtonMacros, TopicModeFollowsTheTopicsChoices) {
  ButtonMacroInput in;
  in.buttons = bar();
  in.topic_mode = true;
  in.topic.resize(in.buttons.size());
  in.topic[2].enabled = true;    // btn_back enabled in this topic
  in.topic[7].visible = false;   // btn_tip hidden here
  in.topic[8].visible = true;    // btn_old shown here
  in.topic[9].macro = "JI(`', `here')";
  auto out = aids::compose_button_macros(in);
  EXPECT_EQ(out.startup, "");
  EXPECT_EQ(out.entry,
            "EB(\"btn_back\");"
            "IfThen(IsMark(\"btn_tip\"), \"DeleteMark(`btn_tip');DestroyButton(`btn_tip')\");"
            "IfThenElse(Not(IsMark(\"btn_old\")), \"SaveMark(`btn_old');CB(`btn_old', `&Old', `')\", "
            "\"CBB(`btn_old', `')\");"
            "EB(\"btn_go\");CBB(\"btn_go\", \"JI(`', `here')\")");
}

TEST(ButtonMacros, ReadBackInBothNameAndQuotingStyles) {
  ButtonMacroInput in;
  in.buttons = bar();
  auto out = aids::compose_button_macros(in);
  std::vector<Button> read = project::standard_buttons();
  aids::parse_button_macros(out.startup, out.entry, read);
  // Buttons come in the order the macros make them; btn_old has no caption
  // in the macros and is not made.
  ASSERT_EQ(read.size(), 9u);
  EXPECT_EQ(read[0].macro, "JI(`guide.hlp', `toc')");
  EXPECT_EQ(read[2].states[aids::kEnabledState], aids::kUsuallyDimmed);
  EXPECT_EQ(read[6].id, "btn_web");
  EXPECT_EQ(read[6].caption, "&Web");
  EXPECT_EQ(read[6].macro, "EP(`web.exe',1)");
  EXPECT_EQ(read[7].id, "btn_go");
  EXPECT_EQ(read[7].states[aids::kEnabledState], aids::kUsuallyEnabled);
  EXPECT_EQ(read[8].id, "btn_tip");
  EXPECT_EQ(read[8].states[aids::kVisibleState], aids::kUsuallyVisible);
  EXPECT_EQ(read[8].macro, "PI(`', `tip')");

  std::vector<Button> long_names = project::standard_buttons();
  aids::parse_button_macros(
      "CreateButton(\"btn_x\", \"&X\", \"Back()\");ChangeButtonBinding(`btn_back', `JI(`a.hlp', `b')')",
      "DisableButton(`btn_x');EnableButton(\"BTN_SEARCH\");DestroyButton(\"nobody\")", long_names);
  ASSERT_EQ(long_names.size(), 7u);
  EXPECT_EQ(long_names[6].caption, "&X");
  EXPECT_EQ(long_names[6].macro, "Back()");
  EXPECT_EQ(long_names[6].states[aids::kEnabledState], aids::kUsuallyDimmed);
  EXPECT_EQ(long_names[2].macro, "JI(`a.hlp', `b')");
  EXPECT_EQ(long_names[1].states[aids::kEnabledState], aids::kUsuallyEnabled);
}

TEST(ButtonMacros, BrokenMacrosAreKeptNotMisread) {
  std::vector<Button> buttons = project::standard_buttons();
  aids::parse_button_macros("CB(\"unclosed;CBB(;IfThen(IsMark(;DB()", "", buttons);
  EXPECT_EQ(buttons.size(), 6u);
  ButtonMacroInput in;
  in.buttons = buttons;
  in.startup = "CB(\"unclosed;EB(\"btn_back\")";
  EXPECT_EQ(aids::compose_button_macros(in).startup, "CB(\"unclosed;EB(\"btn_back\")");
}

}  // namespace

namespace {

TEST(ButtonMacros, MacrosInDoubleQuotedArgumentsKeepTheirOwnQuotesApart) {
  ButtonMacroInput in;
  in.buttons = project::standard_buttons();
  in.buttons[0].macro = "JI(\"a.hlp\",\"b\")";
  in.buttons.push_back(button("btn_x", "&X", "PI(\"\",\"t\")", aids::kAlwaysEnabled, aids::kUsuallyVisible));
  auto out = aids::compose_button_macros(in);
  EXPECT_EQ(out.startup, "CBB(\"btn_contents\", \"JI(`a.hlp',`b')\")");
  EXPECT_EQ(out.entry,
            "IfThenElse(Not(IsMark(\"btn_x\")), \"SaveMark(`btn_x');CB(`btn_x', `&X', `PI(`',`t')')\", "
            "\"CBB(`btn_x', `PI(`',`t')')\")");
  std::vector<Button> read = project::standard_buttons();
  aids::parse_button_macros(out.startup, out.entry, read);
  EXPECT_EQ(read[0].macro, "JI(`a.hlp',`b')");
  ASSERT_EQ(read.size(), 7u);
  EXPECT_EQ(read[6].macro, "PI(`',`t')");
}

}  // namespace
