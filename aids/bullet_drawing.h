// The owner-drawn list of bullet pictures in "DLG_BULLETS": each item shows
// its picture beside its name, the selected one highlighted.
#pragma once
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"
#include "platform/ui/painter.h"

namespace project {
struct ProjectState;
}

namespace aids {

inline constexpr int kBulletItemHeight = 25;
inline constexpr int kBulletItemWidth = 150;
inline constexpr int kBulletPictureSize = 17;
inline constexpr ui::Colour kBulletBackground = ui::kWhite;
inline constexpr ui::Colour kBulletHighlight = 0x800000;  // navy, red in the low byte

// Where a bullet picture lies: the stock folder first, then the bitmap
// directory itself; "" when in neither.
std::string bullet_picture_path(const project::ProjectState& state, std::string_view name);

void draw_bullet_item(ui::Painter& painter, ui::Rect item, std::string_view path, std::string_view name,
                      bool selected);

// Paints every item of the list (its texts are the bullet names).
void paint_bullet_list(const project::ProjectState& state, const ui::Dialog& dialog, int list);

}  // namespace aids
