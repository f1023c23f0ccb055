// The assistant's keys and window state in scripted runs: Tab and Shift+Tab
// in the entry form, Enter in the list view's search field, "Always on top"
// and the minimised window behind the help finder.
#include <gtest/gtest.h>

#include <algorithm>

#include "assistant/entries.h"
#include "assistant/panel.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace {

using assistant::App;

class AssistantKeys : public tw_test::Fixture {
 protected:
  void run(App& app, const std::string& script) {
    ui().queue_script(script);
    assistant::run_assistant(app);
    EXPECT_TRUE(ui().pending_script().empty()) << ui().pending_script().front();
  }
  std::vector<std::string> lines_starting(std::string_view prefix) {
    std::vector<std::string> out;
    for (const std::string& line : ui().transcript())
      if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
  }
};

TEST_F(AssistantKeys, TabFromTheTextCommitsAndNoTabReachesAField) {
  App app;
  run(app,
      "dialog 1000\n"
      "set 101 Print\n"
      "key 101 tab\n"
      "set 102 Copies\n"
      "key 102 tab\n"
      "key 103 tab\n"
      "set 105 How many copies.\n"
      "key 105 tab\n"
      "set 101 Print\n"
      "set 102 Range\n"
      "set 105 Which pages.\n"
      "key 105 shift+tab\n"
      "key 101 shift+tab\n"
      "click 2\n"
      "message No\n");
  ASSERT_EQ(app.model.count(), 1) << "Shift+Tab never commits";
  EXPECT_EQ(assistant::entry_popup(app.model.entry(0)), "How many copies.");
  assistant::FormValues left = app.form_values();
  EXPECT_EQ(left.popup, "Which pages.") << "the TAB was swallowed, not typed";
  EXPECT_EQ(left.context, "20001") << "the committed form was cleared and preset for the next entry";
}

TEST_F(AssistantKeys, TabFromAnIncompleteFormShowsTheRefusal) {
  App app;
  run(app,
      "dialog 1000\n"
      "set 101 Print\n"
      "set 105 No control yet.\n"
      "key 105 tab\n"
      "message OK\n");
  EXPECT_EQ(app.model.count(), 0);
  EXPECT_EQ(lines_starting("message ").size(), 1u);
  EXPECT_EQ(app.form_values().popup, "No control yet.");
}

TEST_F(AssistantKeys, EnterInTheSearchFieldSearchesFromTheSelection) {
  tw_test::write_file(file("list.ptd"), "0\r\n\r\nFind_Me=20000|a\r\nOther_One=20001|b\r\nOther_Two=20002|c\r\n");
  platform::write_profile_string("PT ASSISTANT", "last file", "c:\\list.rtf", assistant::kSettingsFile);
  App app;
  run(app,
      "dialog 1000\n"
      "select# 990 1\n"
      "select# 101 0\n"
      "set 109 other\n"
      "key 109 enter\n"
      "key 109 enter\n");
  EXPECT_EQ(app.model.current, 2) << "each Enter finds the next line after the selected one";
}

TEST_F(AssistantKeys, AlwaysOnTopFollowsTheCheckBoxAndTheSetting) {
  App first;
  run(first, "dialog 1000\nclick 10\nclick 10\nclick 10\n");
  std::string name = "topmost window " + std::to_string(first.main_window);
  std::vector<std::string> expected = {name + " on", name + " off", name + " on", name + " off"};
  EXPECT_EQ(lines_starting("topmost "), expected) << "on at start (the default), then each click";
  ui().clear_transcript();
  App second;
  run(second, "");
  EXPECT_TRUE(lines_starting("topmost ").empty()) << "unchecked at exit: the next start is not topmost";
}

TEST_F(AssistantKeys, HelpOpensTheFinderAndMinimisesTheWindow) {
  App app;
  run(app, "dialog 1000\nclick 97\n");
  const auto& t = ui().transcript();
  auto help = std::find_if(t.begin(), t.end(), [](const std::string& l) { return l.rfind("winhelp ", 0) == 0; });
  auto minimised = std::find(t.begin(), t.end(), "minimise window " + std::to_string(app.main_window));
  ASSERT_NE(help, t.end());
  ASSERT_NE(minimised, t.end());
  EXPECT_LT(help, minimised);
}

}  // namespace
