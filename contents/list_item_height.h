// The height of an item in the owner-drawn contents and outline lists.
#pragma once

namespace contents {

inline constexpr int kItemHeight = 20;
inline constexpr int kLargeItemHeight = 22;

// 20 pixels, 22 when the screen's horizontal dialog base unit is 9 pixels or
// more (large fonts), so the text keeps its margins.
int list_item_height(int dialog_base_unit_x);
// The same for the current host's screen.
int list_item_height();

}  // namespace contents
