#include "aids/related_list_layout.h"

#include <algorithm>
#include <cstdio>

#include "platform/text.h"

namespace aids {

ui::WindowRect ParseRelatedListPos(std::string_view value) {
  ui::WindowRect rect{0, 0, 280, 150};
  const std::string stored(text::trim(value));
  int left = 0, top = 0, width = 0, height = 0;
  if (std::sscanf(stored.c_str(), "%d %d %d %d", &left, &top, &width, &height) == 4) rect = {left, top, width, height};
  return KeepRelatedListSize(rect);
}

std::string FormatRelatedListPos(ui::WindowRect rect) {
  return text::format("%d %d %d %d", rect.x, rect.y, rect.cx, rect.cy);
}

ui::WindowRect KeepRelatedListSize(ui::WindowRect rect) {
  rect.cx = std::max(rect.cx, kRelatedListMinWidth);
  rect.cy = std::max(rect.cy, kRelatedListMinHeight);
  return rect;
}

// The frame fills the window less a 5-pixel margin; the list leaves room at
// the right and, at the bottom, for the check box and the help button.
RelatedListLayout LayOutRelatedList(int width, int height) {
  RelatedListLayout layout;
  layout.frame = {5, 5, std::max(width - 10, 0), std::max(height - 10, 0)};
  layout.projects = {12, 26, std::max(width - 12 - 24, 0), std::max(height - 26 - 55, 0)};
  layout.unlisted = {12, std::max(height - 24, 0), 200, 16};
  layout.help = {std::max(width - 29, 0), std::max(height - 26, 0), 20, 20};
  return layout;
}

}  // namespace aids
