// Two user actions a script gives: dragging a list line onto another, and
// asking for help on a control.
#include <gtest/gtest.h>

#include "platform/ui/script.h"
#include "support/test_support.h"
#include "ui_fixtures.h"

namespace {

using Lines = std::vector<std::string>;

TEST(HeadlessDragHelpScript, ReadsDragAndHelpLines) {
  std::string error;
  auto drag = ui::detail::parse_script_line("DRAG 104 2 0", &error);
  ASSERT_TRUE(drag) << error;
  EXPECT_EQ(drag->action, ui::detail::Action::drag);
  EXPECT_EQ(drag->target, "104");
  EXPECT_EQ(drag->value, 2);
  EXPECT_EQ(drag->drop, 0);
  for (const char* bad : {"drag 104 2", "drag 104 -1 0", "drag 104 0 -1", "drag 104 1 2 3", "drag", "help",
                          "help 101 102"})
    EXPECT_FALSE(ui::detail::parse_script_line(bad, &error)) << bad;
  auto help = ui::detail::parse_script_line("help IDC_TITLE", &error);
  ASSERT_TRUE(help) << error;
  EXPECT_EQ(help->action, ui::detail::Action::help);
  EXPECT_EQ(help->target, "IDC_TITLE");
}

// Records the drops with where they ended, and the help requests.
class DragHelpProc : public ui_test::RecordingProc {
 public:
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (notify == ui::Notify::dropped)
      log->push_back("drop " + std::to_string(dialog.selection(id)) + " on " + std::to_string(dialog.drop_index(id)));
    else
      RecordingProc::on_command(dialog, id, notify);
  }
  void on_help(ui::Dialog&, int control) override { log->push_back("help " + std::to_string(control)); }
};

class HeadlessDragHelpTest : public tw_test::Fixture {
 protected:
  Lines run(const std::string& script) {
    DragHelpProc proc;
    int after_drop = 0;
    proc.init = [](ui::Dialog& d) {
      for (const char* item : {"a", "b", "c"}) d.add_item(ui_test::kList, item);
    };
    proc.reactions[ui::kIdOk] = [&](ui::Dialog& d, ui::Notify) {
      after_drop = d.drop_index(ui_test::kList);
      d.end(1);
    };
    ui().queue_script("dialog DLG_TEST\n" + script + "click 1\n");
    ui().run_modal(ui_test::test_module(), "DLG_TEST", proc, ui().main_window());
    EXPECT_EQ(after_drop, -1) << "the drop index holds only while the drop is reported";
    Lines log;
    for (const auto& line : proc.own_log)
      if (line.rfind("init", 0) != 0 && line.rfind("close", 0) != 0 && line != "command 1 clicked") log.push_back(line);
    return log;
  }
  Lines ignored() {
    Lines out;
    for (const auto& line : ui().transcript())
      if (line.rfind("ignored", 0) == 0) out.push_back(line);
    return out;
  }
};

TEST_F(HeadlessDragHelpTest, ADragSelectsTheLineThenReportsTheDrop) {
  EXPECT_EQ(run("drag 401 2 0\ndrag 401 0 3\n"),
            (Lines{"command 401 selection", "drop 2 on 0", "command 401 selection", "drop 0 on 3"}));
  EXPECT_TRUE(ignored().empty());
}

TEST_F(HeadlessDragHelpTest, DragsThatCannotBeDoneAreIgnored) {
  EXPECT_TRUE(run("drag 401 3 0\ndrag 401 0 4\ndrag 101 0 0\ndrag 503 0 0\n").empty());
  EXPECT_EQ(ignored(), (Lines{"ignored \"drag 401 3 0\" in DLG_TEST: no item 3",
                              "ignored \"drag 401 0 4\" in DLG_TEST: no item 4",
                              "ignored \"drag 101 0 0\" in DLG_TEST: control 101 is not a list box",
                              "ignored \"drag 503 0 0\" in DLG_TEST: control 503 is disabled"}));
}

TEST_F(HeadlessDragHelpTest, HelpIsAskedForNamedControlsDisabledOnesToo) {
  EXPECT_EQ(run("help IDC_TITLE\nhelp 503\nhelp -1\nhelp 999\n"), (Lines{"help 101", "help 503"}));
  EXPECT_EQ(ignored(), (Lines{"ignored \"help -1\" in DLG_TEST: control -1 has no id",
                              "ignored \"help 999\" in DLG_TEST: no control 999"}));
}

}  // namespace
