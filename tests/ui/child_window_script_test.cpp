// Script actions on controls of a running dialog's child windows (the pages
// of a main window's panel).
#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_support.h"
#include "ui_fixtures.h"

namespace {

using ui_test::RecordingProc;

class ChildWindowScriptTest : public tw_test::Fixture {};

TEST_F(ChildWindowScriptTest, ActionsReachTheNewestChildThatHasTheControl) {
  std::vector<std::string> log, older_log, newer_log;
  RecordingProc modal;
  modal.log = &log;
  ui::Handle older = 0, newer = 0;
  modal.init = [&](ui::Dialog& d) {
    for (ui::Handle* h : {&older, &newer}) {
      auto child = std::make_unique<RecordingProc>();
      child->log = h == &older ? &older_log : &newer_log;
      *h = ui().create_modeless(ui_test::test_module(), "DLG_CX", std::move(child), d.handle());
      ui().find_dialog(*h)->add_item(601, "item");
    }
  };
  ui().queue_script("dialog DLG_TEST\nset 101 Own field\nselect# 601 0\nselect# 999 0\nclick 1\n");
  EXPECT_EQ(ui().run_modal(ui_test::test_module(), "DLG_TEST", modal, ui().main_window()), 1);
  EXPECT_EQ(std::count(newer_log.begin(), newer_log.end(), "command 601 selection"), 1);
  EXPECT_EQ(std::count(older_log.begin(), older_log.end(), "command 601 selection"), 0);
  EXPECT_NE(std::find(log.begin(), log.end(), "command 101 changed"), log.end());
  const auto& t = ui().transcript();
  EXPECT_TRUE(std::any_of(t.begin(), t.end(), [](const std::string& l) { return l.find("no control 999") != std::string::npos; }))
      << "a control no window has is still reported";
}

}  // namespace

namespace {

class ModelessScriptTest : public tw_test::Fixture {
 protected:
  // A procedure that also records the sizes it is given.
  struct SizedProc : RecordingProc {
    void on_size(ui::Dialog& dialog, int width, int height) override {
      log->push_back("size " + std::to_string(width) + "x" + std::to_string(height));
      dialog.move_control(ui_test::kTitle, {1, 2, width - 2, 12});
    }
  };
};

TEST_F(ModelessScriptTest, WindowLinesSendActionsToAChosenWindowEvenWhereIdsClash) {
  std::vector<std::string> own_log, child_log;
  RecordingProc modal;
  modal.log = &own_log;
  ui::Handle child = 0;
  modal.init = [&](ui::Dialog& d) {
    auto proc = std::make_unique<RecordingProc>();
    proc->log = &child_log;
    child = ui().create_modeless(ui_test::test_module(), "DLG_TEST", std::move(proc), d.handle());
  };
  // Both windows have field 101: plain actions stay with the running dialog.
  ui().queue_script("dialog DLG_TEST\nset 101 own\nwindow DLG_TEST\nset 101 child\nwindow DLG_NONE\nclick 1\n");
  EXPECT_EQ(ui().run_modal(ui_test::test_module(), "DLG_TEST", modal, ui().main_window()), 1);
  EXPECT_EQ(std::count(own_log.begin(), own_log.end(), "command 101 changed"), 1);
  EXPECT_EQ(std::count(child_log.begin(), child_log.end(), "command 101 changed"), 1);
  const auto& t = ui().transcript();
  EXPECT_TRUE(std::any_of(t.begin(), t.end(),
                          [](const std::string& l) { return l.find("no window DLG_NONE") != std::string::npos; }));
}

TEST_F(ModelessScriptTest, PumpLetsTheUserActAndResizeBetweenCommands) {
  std::vector<std::string> log;  // outlives the window's procedure
  auto owned = std::make_unique<SizedProc>();
  owned->log = &log;
  ui::Handle window = ui().create_modeless(ui_test::test_module(), "DLG_TEST", std::move(owned), ui().main_window());
  ASSERT_NE(window, 0);
  ui::WindowRect start = ui().window_rect(window);
  EXPECT_GT(start.cx, 0) << "a dialog starts with its template's size";
  ui().queue_script("window DLG_TEST\nset 101 typed\nrect DLG_TEST 5 6 300 200\nclick 2\n");
  ui().pump();
  EXPECT_NE(std::find(log.begin(), log.end(), "command 101 changed"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "size 300x200"), log.end());
  EXPECT_FALSE(ui().is_window(window)) << "Cancel closed it";

  // Without a chosen window the actions are reported, not lost silently; a
  // dialog line waits for the dialog it names.
  ui().queue_script("click 1\ndialog DLG_OTHER\n");
  ui().pump();
  EXPECT_NE(ui().transcript().back().find("no window chosen"), std::string::npos);
  EXPECT_EQ(ui().pending_script(), std::vector<std::string>{"dialog DLG_OTHER"});
}

TEST_F(ModelessScriptTest, ProgramSideMovesNotifyNobody) {
  std::vector<std::string> log;
  auto owned = std::make_unique<SizedProc>();
  owned->log = &log;
  ui::Handle window = ui().create_modeless(ui_test::test_module(), "DLG_TEST", std::move(owned), ui().main_window());
  ui().set_window_rect(window, {10, 20, 400, 300});
  EXPECT_EQ(ui().window_rect(window).cx, 400);
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.rfind("size", 0) == 0; }), 0);
  ui::Dialog* d = ui().find_dialog(window);
  d->move_control(ui_test::kTitle, {1, 2, 3, 4});
  EXPECT_EQ(d->control_rect(ui_test::kTitle).cy, 4);
  ui().destroy_window(window);
}

}  // namespace
