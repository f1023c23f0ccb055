// Popup help on the Assistant's own controls: which controls ask for it,
// and the call that reaches the help viewer.
#include <gtest/gtest.h>

#include <algorithm>

#include "assistant/context_help.h"
#include "formats/help_contexts.h"
#include "support/test_support.h"

namespace {

bool mapped(int control) {
  const auto& topics = help_contexts::kAssistantControlTopics;
  return std::any_of(topics.begin(), topics.end(), [&](const auto& t) { return t.number == control; });
}

// Every control that asks for a popup has a topic in the product help, and
// every topic written for one is asked for.
TEST(AssistantContextHelp, TheControlsAskingForHelpAreThoseTheHelpMaps) {
  for (int control = 0; control < 10000; ++control)
    EXPECT_EQ(assistant::control_help_context(control).has_value(), mapped(control)) << "control " << control;
}

class AssistantHelpCall : public tw_test::Fixture {};

TEST_F(AssistantHelpCall, APopupOfTheProgramsHelpFileOrNothing) {
  assistant::Settings settings;
  settings.help_file = "c:\\trvwck\\help";
  EXPECT_TRUE(assistant::show_control_help(settings, 3, 93));
  EXPECT_FALSE(assistant::show_control_help(settings, 3, 501)) << "a label has no popup";
  ASSERT_EQ(ui().transcript().size(), 1u);
  EXPECT_EQ(ui().transcript()[0], "winhelp \"c:\\trvwck\\pointip.hlp\" command=8 data=93");
}

}  // namespace
