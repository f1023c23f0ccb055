// Modeless windows, timers on the host's clock, plain windows of registered
// classes, and the process-wide host.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/test_support.h"
#include "ui_fixtures.h"

namespace {

using ui_test::RecordingProc;
using Lines = std::vector<std::string>;

class HeadlessWindowsTest : public tw_test::Fixture {
 protected:
  // A modeless DLG_CX whose procedure logs into log; returns its handle.
  ui::Handle open(std::vector<std::string>& log, std::function<void(ui::Dialog&, int)> on_timer = {},
                  ui::Handle owner = 0) {
    auto proc = std::make_unique<RecordingProc>();
    proc->log = &log;
    proc->timer = std::move(on_timer);
    proc->init = [](ui::Dialog& d) { d.set_caption("Context Strings (3)"); };
    return ui().create_modeless(ui_test::test_module(), "DLG_CX", std::move(proc),
                                owner ? owner : ui().main_window());
  }
};

TEST_F(HeadlessWindowsTest, TimersFireInTimeOrderAtEveryPeriod) {
  Lines log;
  ui::HeadlessHost& host = ui();
  ui::Handle w = open(log, [&](ui::Dialog& d, int id) {
    log.back() += " at " + std::to_string(host.now());
    if (id == 2) d.kill_timer(1);
  });
  ASSERT_NE(w, 0);
  ui::Dialog* d = ui().find_dialog(w);
  ASSERT_NE(d, nullptr);
  d->set_timer(1, 500);
  d->set_timer(2, 1200);
  ui().advance_time(1100);
  ui().advance_time(900);
  EXPECT_EQ(ui().now(), 2000);
  EXPECT_EQ(log, (Lines{"init DLG_CX", "timer 1 at 500", "timer 1 at 1000", "timer 2 at 1200"}));
  ui().send_timer(w, 7);
  EXPECT_EQ(log.back(), "timer 7 at 2000");
}

TEST_F(HeadlessWindowsTest, ModelessWindowsOpenAndCloseInTheTranscript) {
  Lines log;
  ui::Handle w = open(log, [](ui::Dialog& d, int) { d.end(0); });
  EXPECT_TRUE(ui().is_window(w));
  EXPECT_EQ(ui().find_window("dlg_cx"), w);
  ui().find_dialog(w)->set_timer(1, 1500);
  ui().advance_time(4000);  // the first firing closes the window; no more follow
  EXPECT_FALSE(ui().is_window(w));
  EXPECT_EQ(ui().find_window("DLG_CX"), 0);
  EXPECT_EQ(ui().find_dialog(w), nullptr);
  EXPECT_EQ(log, (Lines{"init DLG_CX", "timer 1", "close DLG_CX"}));
  EXPECT_EQ(ui().transcript(), (Lines{"window DLG_CX \"Context Strings (3)\" opened", "window DLG_CX closed"}));

  Lines again;
  ui::Handle second = open(again);
  EXPECT_NE(second, w);  // handles are not reused
  ui().destroy_window(second);
  ui().destroy_window(second);  // a second destroy does nothing
  EXPECT_EQ(again, (Lines{"init DLG_CX", "close DLG_CX"}));
  EXPECT_EQ(ui().create_modeless(ui_test::test_module(), "DLG_NONE", std::make_unique<RecordingProc>(), 0), 0);
}

// The caller names its own windows by numbers the host did not give out;
// a window of ours never takes such a number, or closing it would close
// what the caller's window owns.
TEST_F(HeadlessWindowsTest, HandlesNeverTakeTheNumberOfACallersWindow) {
  Lines log;
  const ui::Handle first = open(log);
  const ui::Handle callers = first + 1;  // the number the host would give next
  const ui::Handle owned = open(log, {}, callers);
  const ui::Handle ours = open(log);
  EXPECT_NE(ours, callers);
  EXPECT_NE(owned, callers);
  ui().destroy_window(ours);
  EXPECT_TRUE(ui().is_window(owned));
}

TEST_F(HeadlessWindowsTest, WindowsOwnedByADialogCloseWithIt) {
  Lines log;
  RecordingProc proc;
  proc.log = &log;
  ui::Handle child = 0, preview = 0;
  proc.init = [&](ui::Dialog& d) {
    child = open(log, {}, d.handle());
    ui().register_class("WndEd", 0xFFFFFF);
    preview = ui().create_window("WndEd", {0, 0, 300, 400}, d.handle());
  };
  ui().queue_script("dialog DLG_TEST\nclick 1\n");
  ui().run_modal(ui_test::test_module(), "DLG_TEST", proc, ui().main_window());
  EXPECT_FALSE(ui().is_window(child));
  EXPECT_FALSE(ui().is_window(preview));
  EXPECT_EQ(log, (Lines{"init DLG_TEST", "init DLG_CX", "command 1 clicked", "close DLG_CX", "close DLG_TEST"}));
  EXPECT_EQ(ui().transcript(), (Lines{"window DLG_CX \"Context Strings (3)\" opened", "window DLG_CX closed",
                                      "dialog DLG_TEST \"Insert Help Topic\" -> 1"}));
}

TEST_F(HeadlessWindowsTest, RectMovesTheNewestWindowOfAClassAndTellsItsOwner) {
  EXPECT_EQ(ui().create_window("WndEd", {}, 0), 0);  // not registered yet
  ASSERT_TRUE(ui().register_class("WndEd", 0xFFFFFF));
  EXPECT_TRUE(ui().register_class("wnded", 0));  // again: still fine
  RecordingProc proc;
  ui::Handle older = 0, newer = 0;
  ui::WindowRect seen;
  proc.init = [&](ui::Dialog& d) {
    older = ui().create_window("WndEd", {0, 0, 300, 400}, d.handle());
    newer = ui().create_window("WndEd", {0, 0, 300, 400}, d.handle());
  };
  proc.reactions[ui::kIdOk] = [&](ui::Dialog& d, ui::Notify) {
    seen = ui::host().window_rect(newer);
    d.end(1);
  };
  ui().queue_script("dialog DLG_TEST\nrect wnded 10 20 512 384\nrect Nothing 0 0 1 1\nclick 1\n");
  ui().run_modal(ui_test::test_module(), "DLG_TEST", proc, ui().main_window());
  EXPECT_EQ(seen.x, 10);
  EXPECT_EQ(seen.y, 20);
  EXPECT_EQ(seen.cx, 512);
  EXPECT_EQ(seen.cy, 384);
  EXPECT_EQ(proc.own_log[1], "moved " + std::to_string(newer));
  EXPECT_EQ(ui().transcript().front(), "ignored \"rect Nothing 0 0 1 1\" in DLG_TEST: no window of class Nothing");
}

TEST_F(HeadlessWindowsTest, HostServicesHaveTheirDefaults) {
  EXPECT_EQ(ui().screen_size().width, 1024);
  EXPECT_EQ(ui().screen_size().height, 768);
  ui().set_screen_size({800, 600});
  EXPECT_EQ(ui().screen_size().width, 800);
  EXPECT_GT(ui().main_window(), 0);
  EXPECT_EQ(ui().main_window(), ui().main_window());
  EXPECT_TRUE(ui().is_window(ui().main_window()));
  EXPECT_TRUE(ui().class_registered("button"));
  EXPECT_FALSE(ui().class_registered("ProgMeter"));
  ui().note("winhelp \"c:\\trvwck\\TRVWCK.HLP\" command=11 data=0");
  EXPECT_EQ(ui().transcript(), (Lines{"winhelp \"c:\\trvwck\\TRVWCK.HLP\" command=11 data=0"}));
}

TEST_F(HeadlessWindowsTest, FirstHostReadsItsFilesFromTheEnvironment) {
  tw_test::write_file(file("script.txt"), "message No\n");
  ::setenv("TARVENWICK_UI_SCRIPT", file("script.txt").c_str(), 1);
  ::setenv("TARVENWICK_UI_TRANSCRIPT", file("transcript.txt").c_str(), 1);
  ui::set_host(nullptr);
  int answer = ui::host().message_box(0, "Save?", "T", ui::kMbYesNo);
  ui::host().note("beep 0");
  ::unsetenv("TARVENWICK_UI_SCRIPT");
  ::unsetenv("TARVENWICK_UI_TRANSCRIPT");
  EXPECT_EQ(answer, ui::kIdNo);
  EXPECT_NE(ui::headless(), nullptr);
  EXPECT_EQ(tw_test::read_file(file("transcript.txt")),
            "message \"Save?\" caption=\"T\" icon=none -> No\nbeep 0\n");
}

}  // namespace
