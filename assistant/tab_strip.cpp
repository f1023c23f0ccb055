#include "assistant/tab_strip.h"

#include "platform/text.h"

namespace assistant {

namespace {

constexpr int kBackgroundBitmap = 1509;
constexpr int kLabelTop = 7;
constexpr int kTwoTabWidth = 244;
constexpr int kThreeTabWidth = 420;
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

void TabStrip::paint(Painter& painter) const {
  painter.bitmap(std::to_string(kBackgroundBitmap), 0, 0);
  painter.bitmap(std::to_string(bitmap_base_ + selected_), 0, 0);
  int width = count() >= 3 ? kThreeTabWidth : kTwoTabWidth;
  int share = count() > 0 ? width / count() : width;
  for (int i = 0; i < count(); ++i) {
    Painter::Font font = i == selected_ ? Painter::Font::panel : Painter::Font::normal;
    painter.centred_text(labels_[i], share * i + share / 2, kLabelTop, font);
  }
}

void paint_topic_item(Painter& painter, std::string_view name, bool in_use, int y) {
  if (in_use) painter.bitmap("BIT_CHECK", 0, y);
  painter.text(name, kCheckWidth, y);
}

}  // namespace assistant
