#include "aids/window_preview.h"

#include <algorithm>

namespace aids {
namespace {

constexpr int kTextHeight = 16;
constexpr std::string_view kPreviewClass = "WndEd";

// The library registers the class at start-up; a caller that opens the
// editor without it still gets its preview.
ui::Handle create_preview(ui::Handle owner) {
  ui::Host& host = ui::host();
  if (!host.class_registered(kPreviewClass)) host.register_class(kPreviewClass, ui::kWhite);
  return host.create_window(kPreviewClass, {0, 0, 300, 400}, owner);
}

ui::Colour shown_colour(std::int32_t colour) {
  return colour == project::kNoColour ? ui::kWhite : static_cast<ui::Colour>(colour) & 0xFFFFFF;
}

}  // namespace

void paint_window_preview(ui::Painter& painter, int width, int height, const project::WindowRecord& window) {
  const int top = std::min(kNonScrollingHeight, height);
  const ui::Rect nonscroll{0, 0, width, top};
  const ui::Rect main{0, top, width, std::max(0, height - top)};
  painter.fill(nonscroll, shown_colour(window.nonscroll_colour));
  painter.frame(nonscroll, ui::kBlack);
  painter.fill(main, shown_colour(window.main_colour));
  painter.frame(main, ui::kBlack);
  painter.text({0, 6, width, kTextHeight}, "Non-Scrolling Area", ui::kBlack, ui::Align::centre);
  painter.text({0, 45, width, kTextHeight}, "Main (Scrolling) Area", ui::kBlack, ui::Align::centre);
  painter.text({0, 90, width, kTextHeight}, "Move/Size this window with the mouse.", ui::kBlack,
               ui::Align::centre);
}

WindowPreview::WindowPreview(ui::Handle owner)
    : handle_(create_preview(owner)) {
  set_title(kPreviewClass);
}

WindowPreview::~WindowPreview() {
  if (handle_ != 0) ui::host().destroy_window(handle_);
}

void WindowPreview::show(const project::WindowRecord& window) {
  set_title(window.caption);
  if (window.show_state != 0 || window.x == project::kNoPosition)
    cover_screen();
  else
    place(pixels_from_units({window.x, window.y, window.width, window.height}, ui::host().screen_size()));
  paint(window);
}

void WindowPreview::place(ui::WindowRect rect) {
  if (handle_ != 0) ui::host().set_window_rect(handle_, rect);
}

void WindowPreview::cover_screen() {
  const ui::ScreenSize screen = ui::host().screen_size();
  place({0, 0, screen.width, screen.height});
}

void WindowPreview::paint(const project::WindowRecord& window) {
  if (handle_ == 0) return;
  const ui::WindowRect r = rect();
  ui::host().paint(handle_, 0, [&](ui::Painter& p) { paint_window_preview(p, r.cx, r.cy, window); });
}

void WindowPreview::set_title(std::string_view title) {
  if (handle_ != 0) ui::host().set_window_title(handle_, title);
}

ui::WindowRect WindowPreview::rect() const { return handle_ != 0 ? ui::host().window_rect(handle_) : ui::WindowRect{}; }

bool WindowPreview::covers_screen() const {
  const ui::WindowRect r = rect();
  const ui::ScreenSize screen = ui::host().screen_size();
  return r.x <= 0 && r.y <= 0 && r.x + r.cx >= screen.width && r.y + r.cy >= screen.height;
}

UnitRect WindowPreview::units() const { return units_from_pixels(rect(), ui::host().screen_size()); }

}  // namespace aids
