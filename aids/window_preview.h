// The "WndEd" preview of the window editor: a top-level window the author
// moves and sizes with the mouse, painted with the window's two regions.
#pragma once
#include <cstdint>

#include "aids/window_units.h"
#include "platform/ui/host.h"
#include "project/files/project_model.h"

namespace aids {

inline constexpr int kNonScrollingHeight = 40;

// Paints the preview's client area (width × height pixels) for a window:
// the non-scrolling region on top, the main region below, and the three
// guiding texts.
void paint_window_preview(ui::Painter& painter, int width, int height, const project::WindowRecord& window);

class WindowPreview {
 public:
  // Creates the window (300 × 400 pixels at the origin) owned by the tool
  // dialog; 0 handle when the class is not registered.
  explicit WindowPreview(ui::Handle owner);
  ~WindowPreview();
  WindowPreview(const WindowPreview&) = delete;
  WindowPreview& operator=(const WindowPreview&) = delete;

  ui::Handle handle() const { return handle_; }
  // Shows a window: title, place (maximised or whole screen when it has no
  // place of its own) and paint.
  void show(const project::WindowRecord& window);
  void place(ui::WindowRect rect);
  void cover_screen();
  void paint(const project::WindowRecord& window);
  void set_title(std::string_view title);
  ui::WindowRect rect() const;
  // Whether the preview fills the screen, as a maximised window does.
  bool covers_screen() const;
  // The preview's place in WinHelp units.
  UnitRect units() const;

 private:
  ui::Handle handle_ = 0;
};

}  // namespace aids
