// The painter's record in the headless host, and the shared progress window
// with the caller-driven counter.
#include <gtest/gtest.h>

#include "platform/ui/progress_window.h"
#include "support/test_support.h"
#include "ui_fixtures.h"

namespace {

using Lines = std::vector<std::string>;

class PainterProgressTest : public tw_test::Fixture {
 protected:
  ui::ProgressTemplate meter{ui_test::test_module(), "DLG_TEST", ui_test::kMeter};
  ui::Dialog* window_of(const ui::ProgressCounter& counter) { return ui().find_dialog(counter.window()); }
};

TEST_F(PainterProgressTest, EachPaintReplacesTheRecordOfThatArea) {
  ui::Handle preview = ui().create_window("Static", {0, 0, 300, 400}, ui().main_window());
  ui().paint(preview, 0, [](ui::Painter& p) {
    p.fill({0, 0, 300, 40}, 0x00FF00);
    p.frame({0, 0, 300, 40}, ui::kBlack);
    p.line(0, 40, 300, 40, ui::kBlack);
    p.text({0, 6, 300, 12}, "Non-Scrolling \"Area\"", ui::kBlack, ui::Align::centre);
    p.bitmap({4, 4, 16, 16}, "c:\\bmp\\a.bmp");
  });
  EXPECT_EQ(ui().paint_record(preview),
            (Lines{"fill 0 0 300 40 0x00FF00", "frame 0 0 300 40 0x000000", "line 0 40 300 40 0x000000",
                   "text 0 6 300 12 0x000000 centre \"Non-Scrolling \\\"Area\\\"\"",
                   "bitmap 4 4 16 16 \"c:\\bmp\\a.bmp\""}));
  // An owner-drawn control keeps its own record; a repaint replaces the old one.
  ui().paint(preview, 7, [](ui::Painter& p) { p.fill({0, 0, 1, 1}, 0x123456); });
  ui().paint(preview, 0, [](ui::Painter& p) { p.text({0, 0, 9, 9}, "x", 0xFFFFFFFF, ui::Align::left); });
  EXPECT_EQ(ui().paint_record(preview), (Lines{"text 0 0 9 9 0xFFFFFF left \"x\""}));
  EXPECT_EQ(ui().paint_record(preview, 7), (Lines{"fill 0 0 1 1 0x123456"}));
  EXPECT_TRUE(ui().paint_record(preview, 8).empty());
}

TEST_F(PainterProgressTest, ProgressWindowStaysFullPastItsRangeAndGoesWithTheObject) {
  ui::Handle handle = 0;
  {
    ui::ProgressWindow window(meter, "Processing...", 2);
    handle = window.handle();
    ui::Dialog* d = ui().find_dialog(handle);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->caption(), "Processing...");
    for (int i = 0; i < 3; ++i) window.step();
    EXPECT_EQ(d->progress_position(ui_test::kMeter), 2);
    EXPECT_EQ(d->progress_range(ui_test::kMeter), 2);
  }
  EXPECT_FALSE(ui().is_window(handle));
}

TEST_F(PainterProgressTest, CounterWrapsAtItsMaximumAndAnswersStepPlusOne) {
  ui::ProgressCounter counter(meter);
  counter.reset(3);
  EXPECT_EQ(counter.window(), 0);  // nothing shows before the first step
  EXPECT_EQ(counter.advance(1), 2);
  ASSERT_NE(window_of(counter), nullptr);
  EXPECT_EQ(counter.advance(2), 3);
  EXPECT_EQ(window_of(counter)->progress_position(ui_test::kMeter), 2);
  EXPECT_EQ(counter.advance(3), 4);
  EXPECT_EQ(counter.count(), 0);  // wrapped at the maximum
  counter.advance(7);
  EXPECT_EQ(counter.advance(0), 1);
  EXPECT_EQ(counter.count(), 0);
  EXPECT_EQ(window_of(counter)->progress_position(ui_test::kMeter), 0);
  ui::Handle shown = counter.window();
  EXPECT_EQ(counter.advance(-1), 0);
  EXPECT_FALSE(ui().is_window(shown));
  EXPECT_EQ(counter.advance(INT32_MAX), INT32_MAX);
}

TEST_F(PainterProgressTest, CounterWithoutAMaximumStillCounts) {
  ui::ProgressCounter counter(meter);
  counter.reset(-2);
  EXPECT_EQ(counter.maximum(), 1);
  counter.advance(1);
  EXPECT_EQ(counter.count(), 0);
}

}  // namespace
