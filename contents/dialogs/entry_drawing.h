// How the contents lists draw an entry: its bitmap and title indented by
// level, includes in green, the selected item in the highlight colours.
#pragma once
#include <vector>

#include "contents/contents_model.h"
#include "contents/list_item_height.h"
#include "platform/ui/dialog.h"
#include "platform/ui/painter.h"

namespace contents {

inline constexpr int kItemWidth = 400;
inline constexpr int kBitmapSize = 16;
inline constexpr ui::Colour kListBackground = 0xC0C0C0;
inline constexpr ui::Colour kIncludeColour = 0x008000;
inline constexpr ui::Colour kHighlight = 0x800000;  // navy, red in the low byte
inline constexpr ui::Colour kHighlightText = ui::kWhite;

// The editor shows every book open; the preview shows a book as it stands.
enum class DrawMode { editor, preview };

// The bitmap resource an entry is drawn with.
const char* entry_bitmap(const CntEntry& entry, int state, DrawMode mode);

// Draws one item in its rectangle.
void draw_entry(ui::Painter& painter, ui::Rect item, const CntEntry& entry, int state, bool selected,
                DrawMode mode);

// Repaints an owner-drawn list in the variable-pitch system font: item i
// shows the entry entries[i], each in its own row of item_height pixels.
void paint_entry_list(const ui::Dialog& dialog, int list, const ContentsModel& model,
                      const std::vector<size_t>& entries, DrawMode mode, int item_height);

}  // namespace contents
