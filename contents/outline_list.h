// How the outline list draws its entries: a picture and the title, indented
// 30 units a level, on light grey (the selection in highlight colours).
#pragma once
#include <vector>

#include "contents/contents_model.h"
#include "platform/ui/painter.h"

namespace contents {

inline constexpr int kOutlineItemHeight = 20;
inline constexpr ui::Colour kOutlineBackground = 0xC0C0C0;
inline constexpr ui::Colour kHighlight = 0x800000;       // dark blue
inline constexpr ui::Colour kHighlightText = 0xFFFFFF;

// The entry's title as the list shows it (" (external document)" added for
// an external document).
std::string outline_item_title(const CntEntry& entry);

// Draws every entry, one item a row of the given width; selected holds one
// flag per entry.
void draw_outline(ui::Painter& painter, const ContentsModel& model, const std::vector<bool>& selected, int width);

}  // namespace contents
