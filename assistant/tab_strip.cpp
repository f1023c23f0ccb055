#include "assistant/tab_strip.h"

#include "platform/text.h"

namespace assistant {

namespace {

constexpr int kBackgroundBitmap = 1509;
constexpr int kLabelTop = 7;
constexpr int kTwoTabWidth = 244;
constexpr int kThreeTabWidth = 420;
constexpr int kStripHeight = 23;
constexpr int kCheckWidth = 16;

}  // namespace

TabStrip::TabStrip(std::string_view labels, int bitmap_base, int command)
    : labels_(text::split(labels, ';')), bitmap_base_(bitmap_base), command_(command) {}

int TabStrip::tab_at(int x, int width) const {
  if (width <= 0) return selected_;
  int percent = x * 100 / width;
  if (count() >= 3) return percent < 34 ? 0 : percent <= 66 ? 1 : 2;
  return percent <= 50 ? 0 : 1;
}

bool TabStrip::select(int tab) {
  if (tab < 0 || tab >= count() || tab == selected_) return false;
  selected_ = tab;
  return true;
}

void TabStrip::paint(ui::Painter& painter) const {
  int width = count() >= 3 ? kThreeTabWidth : kTwoTabWidth;
  painter.bitmap({0, 0, width, kStripHeight}, std::to_string(kBackgroundBitmap));
  painter.bitmap({0, 0, width, kStripHeight}, std::to_string(bitmap_base_ + selected_));
  int share = count() > 0 ? width / count() : width;
  for (int i = 0; i < count(); ++i) {
    ui::select_font(painter, i == selected_ ? ui::Font::dialog : ui::Font::system);
    painter.text({share * i, kLabelTop, share, kStripHeight - kLabelTop}, labels_[i], ui::kBlack, ui::Align::centre);
  }
}

void paint_topic_item(ui::Painter& painter, std::string_view name, bool in_use, ui::Rect item) {
  if (in_use) painter.bitmap({item.x, item.y, kCheckWidth, item.cy}, "BIT_CHECK");
  painter.text({item.x + kCheckWidth, item.y, item.cx - kCheckWidth, item.cy}, name, ui::kBlack, ui::Align::left);
}

}  // namespace assistant
