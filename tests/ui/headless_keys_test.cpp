// Keys a script presses reach the procedure's keystroke hook first; the keys
// it leaves do what the control or the dialog does with them. Window-state
// calls show in the transcript.
#include <gtest/gtest.h>

#include "platform/ui/keys.h"
#include "platform/ui/resources.h"
#include "platform/ui/script.h"
#include "platform/ui/window_state.h"
#include "support/test_support.h"

namespace {

constexpr const char* kKeysScript = R"rc(
#define IDC_NAME 10
#define IDC_NOTES 11

DLG_KEYS DIALOG 0, 0, 200, 120
CAPTION "Keys"
BEGIN
  EDITTEXT IDC_NAME, 5, 5, 100, 12, ES_AUTOHSCROLL
  EDITTEXT IDC_NOTES, 5, 20, 190, 40, ES_MULTILINE | ES_WANTRETURN
  EDITTEXT 12, 5, 65, 190, 40, ES_MULTILINE
  PUSHBUTTON "Cancel", 2, 100, 100, 40, 14
  DEFPUSHBUTTON "Add", 93, 150, 100, 40, 14
END
)rc";

std::int32_t keys_module() { return ui::register_module("keys_test", kKeysScript); }

// Takes the TAB of the name field; records keys and commands.
class KeyProc : public ui::DialogProc, public ui::KeyHook {
 public:
  std::vector<std::string> log;
  bool on_key(ui::Dialog& dialog, int id, ui::KeyPress key) override {
    log.push_back("key " + std::to_string(id) + (key.shift ? " shift" : "") +
                  (key.key == ui::Key::tab ? " tab" : key.key == ui::Key::enter ? " enter" : " escape"));
    if (id != 10 || key.key != ui::Key::tab) return false;
    dialog.set_focus(key.shift ? 12 : 11);
    return true;
  }
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (notify == ui::Notify::clicked) log.push_back("command " + std::to_string(id));
    if (id == 2) dialog.end(0);
  }
};

// Keeps the texts of the two multi-line fields as the dialog closes.
class TextKeeper : public KeyProc {
 public:
  std::string notes, plain;
  void on_close(ui::Dialog& dialog) override {
    notes = dialog.text(11);
    plain = dialog.text(12);
  }
};

class HeadlessKeysTest : public tw_test::Fixture {
 protected:
  void run(KeyProc& proc, const std::string& script) {
    ui().queue_script("dialog DLG_KEYS\n" + script);
    ui().run_modal(keys_module(), "DLG_KEYS", proc, ui().main_window());
    EXPECT_TRUE(ui().pending_script().empty());
  }
};

TEST(HeadlessKeyScript, ReadsKeyLines) {
  std::string error;
  auto line = ui::detail::parse_script_line("KEY 105 Shift+Tab", &error);
  ASSERT_TRUE(line) << error;
  EXPECT_EQ(line->action, ui::detail::Action::key);
  EXPECT_EQ(line->target, "105");
  EXPECT_TRUE(line->key.shift);
  EXPECT_EQ(line->key.key, ui::Key::tab);
  for (auto [name, key] : {std::pair{"LEFT", ui::Key::left}, {"right", ui::Key::right}, {"Delete", ui::Key::del}}) {
    line = ui::detail::parse_script_line(std::string("key 102 ") + name, &error);
    ASSERT_TRUE(line) << error;
    EXPECT_EQ(line->key.key, key) << name;
  }
  EXPECT_FALSE(ui::detail::parse_script_line("key 105 space", &error)) << "an unknown key";
  EXPECT_FALSE(ui::detail::parse_script_line("key 105", &error)) << "no key";
  EXPECT_FALSE(ui::detail::parse_script_line("key 105 tab tab", &error)) << "one key a line";
}

TEST_F(HeadlessKeysTest, TheHookSeesTheKeyFirstAndMayTakeIt) {
  KeyProc proc;
  run(proc, "set IDC_NAME Print\nkey IDC_NAME tab\nkey 10 shift+tab\nkey IDC_NAME escape\n");
  std::vector<std::string> expected = {"key 10 tab", "key 10 shift tab", "key 10 escape", "command 2"};
  EXPECT_EQ(proc.log, expected) << "a key the hook takes goes no further; Escape it leaves cancels";
}

TEST_F(HeadlessKeysTest, KeysTheHookLeavesGoToTheControlOrTheDialog) {
  TextKeeper proc;
  run(proc,
      "set 11 a\nkey 11 tab\nkey 11 enter\n"
      "set 12 b\nkey 12 tab\nkey 12 enter\n"
      "key 12 escape\n");
  EXPECT_EQ(proc.notes, "a\t\r\n") << "a multi-line field that wants returns takes TAB and Enter";
  EXPECT_EQ(proc.plain, "b\t") << "one that does not: Enter presses the default button";
  std::vector<std::string> expected = {"key 11 tab", "key 11 enter", "key 12 tab",    "key 12 enter",
                                       "command 93", "key 12 escape", "command 2"};
  EXPECT_EQ(proc.log, expected);
}

TEST_F(HeadlessKeysTest, WindowStateCallsAreInTheTranscript) {
  ui().register_class("pointip", 0xFFFFFF);
  ui::Handle window = ui().create_window("pointip", {0, 0, 466, 329}, 0);
  ui::set_topmost(window, true);
  ui::set_topmost(window, false);
  ui::minimise(window);
  ui::minimise(ui().main_window());
  std::string name = "window " + std::to_string(window);
  std::vector<std::string> expected = {"topmost " + name + " on", "topmost " + name + " off", "minimise " + name,
                                       "minimise main"};
  EXPECT_EQ(ui().transcript(), expected);
}

}  // namespace
