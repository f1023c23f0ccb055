// Script actions on controls of a running dialog's child windows (the pages
// of a main window's panel).
#include <gtest/gtest.h>

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
