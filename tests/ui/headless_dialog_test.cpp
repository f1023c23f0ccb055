// Modal dialogs of the headless host driven by a script: actions and their
// notifications, radio groups, list and combo rules, nested dialogs and
// boxes, unscripted dialogs and the transcript lines they leave.
#include <gtest/gtest.h>

#include "support/test_support.h"
#include "ui_fixtures.h"

namespace {

using ui_test::RecordingProc;
using Lines = std::vector<std::string>;

class HeadlessDialogTest : public tw_test::Fixture {
 protected:
  int run(RecordingProc& proc, const char* name = "DLG_TEST") {
    return ui().run_modal(ui_test::test_module(), name, proc, ui().main_window());
  }
};

TEST_F(HeadlessDialogTest, ActionsReachTheProcedureWithTheirNotifications) {
  RecordingProc proc;
  std::string title, combo, picked;
  int browse = -1, list_selection = -1;
  proc.init = [](ui::Dialog& d) {
    for (const char* item : {"Printing", "Editing", "Saving"}) d.add_item(ui_test::kList, item);
    for (const char* item : {"IDH_print", "IDH_edit"}) d.add_item(ui_test::kCombo, item);
  };
  proc.reactions[ui::kIdOk] = [&](ui::Dialog& d, ui::Notify) {
    title = d.text(ui_test::kTitle);
    browse = d.check(ui_test::kBrowse);
    combo = d.text(ui_test::kCombo);
    list_selection = d.selection(ui_test::kList);
    d.end(1);
  };
  proc.reactions[ui_test::kList] = [&](ui::Dialog& d, ui::Notify n) {
    if (n == ui::Notify::double_clicked) picked = d.item_text(ui_test::kList, d.selection(ui_test::kList));
  };
  ui().queue_script(
      "# the topic dialog\n"
      "dialog DLG_TEST\n"
      "set 101 Printing a file\n"
      "check 102 1\n"
      "select 402 IDH_edit\n"
      "select# 401 0\n"
      "dblclick IDC_LIST 2\n"
      "click 1\n");
  EXPECT_EQ(run(proc), 1);
  EXPECT_EQ(proc.own_log, (Lines{"init DLG_TEST", "command 101 changed", "command 102 clicked",
                                 "command 402 selection", "command 401 selection", "command 401 selection",
                                 "command 401 double_clicked", "command 1 clicked", "close DLG_TEST"}));
  EXPECT_EQ(title, "Printing a file");
  EXPECT_EQ(browse, 1);
  EXPECT_EQ(combo, "IDH_edit");
  EXPECT_EQ(picked, "Saving");  // the list is sorted: Editing, Printing, Saving
  EXPECT_EQ(list_selection, 2);
  EXPECT_EQ(ui().transcript(), (Lines{"dialog DLG_TEST \"Insert Help Topic\" -> 1"}));
  EXPECT_TRUE(ui().pending_script().empty());
}

TEST_F(HeadlessDialogTest, AutomaticRadioButtonsClearTheirGroupOnly) {
  RecordingProc proc;
  std::map<int, int> states;
  proc.reactions[ui::kIdOk] = [&](ui::Dialog& d, ui::Notify) {
    for (int id : {ui_test::kKindA, ui_test::kKindB, ui_test::kKindC, ui_test::kSideX, ui_test::kSideY})
      states[id] = d.check(id);
    d.end(1);
  };
  ui().queue_script("dialog DLG_TEST\ncheck 201 1\ncheck 301 1\nclick 202\nclick 1\n");
  run(proc);
  EXPECT_EQ(states, (std::map<int, int>{{201, 0}, {202, 1}, {203, 0}, {301, 1}, {302, 0}}));

  // Without WS_GROUP, a run of radio buttons is a group; a plain RADIOBUTTON
  // in it is cleared, but one past a push button is not.
  RecordingProc plain;
  plain.init = [](ui::Dialog& d) {
    d.set_check(701, 1);
    d.set_check(705, 1);
  };
  plain.reactions[704] = [&](ui::Dialog& d, ui::Notify) {
    states.clear();
    for (int id : {701, 702, 703, 705}) states[id] = d.check(id);
    d.end(1);
  };
  ui().queue_script("dialog DLG_PLAIN\nclick 702\nclick 704\n");
  run(plain, "DLG_PLAIN");
  EXPECT_EQ(states, (std::map<int, int>{{701, 0}, {702, 1}, {703, 0}, {705, 1}}));
}

TEST_F(HeadlessDialogTest, ClicksToggleAutomaticBoxesAndCycleThreeStateOnes) {
  RecordingProc proc;
  std::vector<int> seen;
  proc.reactions[ui_test::kBrowse] = [&](ui::Dialog& d, ui::Notify) { seen.push_back(d.check(ui_test::kBrowse)); };
  proc.reactions[ui_test::kTri] = [&](ui::Dialog& d, ui::Notify) { seen.push_back(d.check(ui_test::kTri)); };
  ui().queue_script("dialog DLG_TEST\nclick 102\nclick 102\nclick 504\nclick 504\nclick 504\ncheck 504 2\nclick 1\n");
  run(proc);
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 1, 2, 0, 2}));
}

TEST_F(HeadlessDialogTest, CancelAndEscapeEndWithZero) {
  RecordingProc proc;
  ui().queue_script("dialog DLG_TEST\nclick 2\ndialog 21000\nclick 2\n");
  EXPECT_EQ(run(proc), 0);
  EXPECT_EQ(run(proc, "21000"), 0);  // no Cancel button: Escape still cancels
  EXPECT_EQ(ui().transcript(), (Lines{"dialog DLG_TEST \"Insert Help Topic\" -> 0", "dialog 21000 \"About\" -> 0"}));
}

TEST_F(HeadlessDialogTest, UnscriptedDialogsAreCancelledAndNoted) {
  RecordingProc proc;
  // The script names another dialog: this one is cancelled and the line stays.
  ui().queue_script("dialog DLG_CHILD\nclick 1\n");
  EXPECT_EQ(run(proc), 0);
  EXPECT_EQ(proc.own_log, (Lines{"init DLG_TEST", "command 2 clicked", "close DLG_TEST"}));
  EXPECT_EQ(ui().pending_script(), (Lines{"dialog DLG_CHILD", "click 1"}));
  EXPECT_EQ(run(proc, "DLG_CHILD"), 1);

  // The script runs out of actions before the dialog ends.
  ui().queue_script("dialog DLG_TEST\nset 101 x\n");
  EXPECT_EQ(run(proc), 0);

  // A procedure that ignores Cancel is ended with 0 all the same.
  RecordingProc stubborn;
  stubborn.reactions[ui::kIdCancel] = [](ui::Dialog&, ui::Notify) {};
  EXPECT_EQ(run(stubborn), 0);
  EXPECT_EQ(ui().transcript(), (Lines{"dialog DLG_TEST \"Insert Help Topic\" -> 0 (not scripted)",
                                      "dialog DLG_CHILD \"Child\" -> 1",
                                      "dialog DLG_TEST \"Insert Help Topic\" -> 0 (not scripted)",
                                      "dialog DLG_TEST \"Insert Help Topic\" -> 0 (not scripted)"}));
}

TEST_F(HeadlessDialogTest, NestedBoxesAndDialogsTakeTheirLinesInOrder) {
  std::vector<std::string> log;
  RecordingProc child;
  child.log = &log;
  RecordingProc proc;
  proc.log = &log;
  int answer = 0, nested = -1;
  proc.reactions[ui_test::kAsk] = [&](ui::Dialog& d, ui::Notify) {
    answer = ui::host().message_box(d.handle(), "Replace it?", "Tarvenwick", ui::kMbYesNo | ui::kMbIconQuestion);
  };
  proc.reactions[ui_test::kNested] = [&](ui::Dialog& d, ui::Notify) {
    nested = ui::host().run_modal(ui_test::test_module(), "DLG_CHILD", child, d.handle());
    d.set_caption("Edit \"Topic\"\nnow");
  };
  ui().queue_script(
      "dialog DLG_TEST\nclick 501\nmessage no\nclick 502\n"
      "dialog DLG_CHILD\nset 10 inner\nclick 1\n"
      "click 1\n");
  EXPECT_EQ(run(proc), 1);
  EXPECT_EQ(answer, ui::kIdNo);
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(log, (Lines{"init DLG_TEST", "command 501 clicked", "command 502 clicked", "init DLG_CHILD",
                        "command 10 changed", "command 1 clicked", "close DLG_CHILD", "command 1 clicked",
                        "close DLG_TEST"}));
  EXPECT_EQ(ui().transcript(),
            (Lines{"message \"Replace it?\" caption=\"Tarvenwick\" icon=question -> No",
                   "dialog DLG_CHILD \"Child\" -> 1",
                   "dialog DLG_TEST \"Edit \\\"Topic\\\"\\nnow\" -> 1"}));
}

TEST_F(HeadlessDialogTest, ActionsThatCannotBeDoneAreNotedAndSkipped) {
  RecordingProc proc;
  ui().queue_script(
      "dialog DLG_TEST\nclick 999\nclick 503\nselect 401 Nothing\nselect# 401 5\n"
      "set 102 text\ncheck 101 1\nclick NO_SUCH_NAME\nclick 1\n");
  EXPECT_EQ(run(proc), 1);
  EXPECT_EQ(proc.own_log, (Lines{"init DLG_TEST", "command 1 clicked", "close DLG_TEST"}));
  EXPECT_EQ(ui().transcript(),
            (Lines{"ignored \"click 999\" in DLG_TEST: no control 999",
                   "ignored \"click 503\" in DLG_TEST: control 503 is disabled",
                   "ignored \"select 401 Nothing\" in DLG_TEST: no item \"Nothing\"",
                   "ignored \"select# 401 5\" in DLG_TEST: no item 5",
                   "ignored \"set 102 text\" in DLG_TEST: control 102 is not an edit field",
                   "ignored \"check 101 1\" in DLG_TEST: control 101 is not a check box or radio button",
                   "ignored \"click NO_SUCH_NAME\" in DLG_TEST: unknown control NO_SUCH_NAME",
                   "dialog DLG_TEST \"Insert Help Topic\" -> 1"}));
}

TEST_F(HeadlessDialogTest, HiddenControlsCannotBeUsed) {
  RecordingProc proc;
  proc.init = [](ui::Dialog& d) { d.show(ui_test::kTitle, false); };
  ui().queue_script("dialog DLG_TEST\nset 101 x\nclick 1\n");
  run(proc);
  EXPECT_EQ(ui().transcript().front(), "ignored \"set 101 x\" in DLG_TEST: control 101 is hidden");
}

TEST_F(HeadlessDialogTest, MissingTemplateReturnsZeroAndDropsItsLines) {
  RecordingProc proc;
  ui().queue_script("dialog DLG_NONE\nset 1 x\nclick 1\ndialog 21000\nclick 1\n");
  EXPECT_EQ(run(proc, "DLG_NONE"), 0);
  EXPECT_TRUE(proc.own_log.empty());
  EXPECT_EQ(run(proc, "21000"), 1);
  EXPECT_EQ(ui().transcript(), (Lines{"dialog DLG_NONE \"\" -> 0 (no template)", "dialog 21000 \"About\" -> 1"}));
}

TEST_F(HeadlessDialogTest, ListsCombosAndMetersKeepTheirRules) {
  RecordingProc proc;
  proc.init = [](ui::Dialog& d) {
    using namespace ui_test;
    EXPECT_EQ(d.text(kTitle), "");
    EXPECT_EQ(d.text(kBrowse), "&Browse");
    EXPECT_EQ(d.add_item(kList, "b"), 0);
    EXPECT_EQ(d.add_item(kList, "D"), 1);
    EXPECT_EQ(d.add_item(kList, "a"), 0);  // sorted without regard to case
    EXPECT_EQ(d.add_item(kList, "c"), 2);
    d.set_item_data(kList, 2, 42);
    d.set_selection(kList, 3);
    d.delete_item(kList, 0);  // the selection moves with its item
    EXPECT_EQ(d.selection(kList), 2);
    EXPECT_EQ(d.item_text(kList, 2), "D");
    EXPECT_EQ(d.item_data(kList, 1), 42);
    d.delete_item(kList, 2);
    EXPECT_EQ(d.selection(kList), -1);
    EXPECT_EQ(d.find_item(kList, "C"), 1);
    EXPECT_EQ(d.insert_item(kList, 9, "x"), -1);
    EXPECT_EQ(d.item_count(kList), 2);

    d.add_item(kPick, "one");
    d.add_item(kPick, "two");
    d.set_selection(kPick, 1);
    EXPECT_EQ(d.text(kPick), "two");
    d.set_selection(kPick, -1);
    EXPECT_EQ(d.text(kPick), "");

    for (const char* s : {"m0", "m1", "m2"}) d.add_item(kMulti, s);
    d.select_item(kMulti, 0, true);
    d.select_item(kMulti, 2, true);
    EXPECT_TRUE(d.item_selected(kMulti, 0));
    EXPECT_FALSE(d.item_selected(kMulti, 1));
    EXPECT_TRUE(d.item_selected(kMulti, 2));

    d.set_progress(kMeter, 3, 10);
    EXPECT_EQ(d.progress_position(kMeter), 3);
    EXPECT_EQ(d.progress_range(kMeter), 10);
    d.end(5);
  };
  EXPECT_EQ(run(proc), 5);  // ended during initialisation: no script needed
}

TEST_F(HeadlessDialogTest, CallsOnMissingControlsAreHarmless) {
  RecordingProc proc;
  proc.init = [](ui::Dialog& d) {
    constexpr int kNone = 4242;
    d.set_text(kNone, "x");
    d.set_check(kNone, 1);
    d.enable(kNone, false);
    d.set_selection(kNone, 3);
    d.delete_item(kNone, 0);
    d.set_progress(kNone, 1, 2);
    EXPECT_FALSE(d.has_control(kNone));
    EXPECT_EQ(d.text(kNone), "");
    EXPECT_EQ(d.check(kNone), 0);
    EXPECT_EQ(d.item_count(kNone), 0);
    EXPECT_EQ(d.selection(kNone), -1);
    EXPECT_EQ(d.add_item(kNone, "x"), -1);
    EXPECT_EQ(d.find_item(kNone, "x"), -1);
    EXPECT_EQ(d.item_text(ui_test::kList, 7), "");
    EXPECT_EQ(d.item_data(ui_test::kList, -3), -1);
    EXPECT_FALSE(d.enabled(kNone));
    d.end(1);
  };
  EXPECT_EQ(run(proc), 1);
}

TEST_F(HeadlessDialogTest, TabStripMakesTabsAndReportsChanges) {
  RecordingProc proc;
  proc.init = [](ui::Dialog& d) {
    d.set_text(ui_test::kTabs, "Topic;Keyword Search;Contents File");
    EXPECT_EQ(d.item_count(ui_test::kTabs), 3);
    EXPECT_EQ(d.item_text(ui_test::kTabs, 2), "Contents File");
    EXPECT_EQ(d.selection(ui_test::kTabs), 0);
    d.set_selection(ui_test::kTabs, 1);  // notifies
    d.set_selection(ui_test::kTabs, 1);  // no change, no notification
  };
  ui().queue_script("dialog DLG_TEST\nselect 403 Contents File\nclick 1\n");
  run(proc);
  EXPECT_EQ(proc.own_log, (Lines{"init DLG_TEST", "command 403 selection", "command 403 selection",
                                 "command 1 clicked", "close DLG_TEST"}));
}

}  // namespace
