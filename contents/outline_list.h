// How the outline list draws its entries: a picture and the title, indented
// 30 units a level, on light grey (the selection in highlight colours).
#pragma once
#include <vector>

#include "contents/contents_model.h"
#include "contents/list_item_height.h"
#include "platform/ui/fonts.h"
#include "platform/ui/painter.h"

namespace contents {

inline constexpr ui::Colour kOutlineBackground = 0xC0C0C0;
inline constexpr ui::Colour kHighlight = 0x800000;       // dark blue
inline constexpr ui::Colour kHighlightText = 0xFFFFFF;

// The entry's title as the list shows it (" (external document)" added for
// an external document).
std::string outline_item_title(const CntEntry& entry);

// The font an entry's title is drawn in: Heading 1 (level 2) in the system
// font, Heading 2 (level 3) in the dialog's font, the rest in the
// variable-pitch system font, so the first two heading levels stand out.
ui::Font outline_font(int level);

// Draws every entry, one item a row of the given width and height; selected
// holds one flag per entry.
void draw_outline(ui::Painter& painter, const ContentsModel& model, const std::vector<bool>& selected, int width,
                  int item_height);

}  // namespace contents
