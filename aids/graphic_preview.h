// The Insert Graphic dialog's preview: the picture scaled to fit the
// preview square, or a line saying why it cannot be shown.
#pragma once
#include <string_view>

#include "platform/ui/painter.h"

namespace aids {

inline constexpr int kPreviewSize = 120;
inline constexpr ui::Colour kPreviewBackground = 0xC0C0C0;  // light grey
inline constexpr ui::Colour kPreviewTextColour = 0xFF0000;  // blue (red in the low byte)
inline constexpr int kPreviewTextTop = 57;
// Files larger than this are not read for a preview.
inline constexpr unsigned long long kPreviewMaxBytes = 16ULL * 1024 * 1024;

inline constexpr std::string_view kCantPreviewText = "Can't preview graphic";
inline constexpr std::string_view kTooLargeText = "Too large to preview";

// Paints the preview of the picture at path (a system path; empty paints
// the background only).
void paint_graphic_preview(ui::Painter& painter, std::string_view path);

// The face of a picture button (the stock pictures of the Insert Graphic
// dialog, the bullet pictures): the picture inside a frame, black when the
// button's picture is the chosen one; its name when it cannot be read.
inline constexpr ui::Colour kButtonFace = 0xC0C0C0;
inline constexpr ui::Colour kButtonFrame = 0x808080;
void paint_picture_button(ui::Painter& painter, ui::Rect face, std::string_view path, std::string_view name,
                          bool chosen);

}  // namespace aids
