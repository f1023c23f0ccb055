#include "aids/graphic_preview.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/images.h"
#include "platform/paths.h"

namespace aids {

namespace {

void say(ui::Painter& painter, std::string_view text) {
  painter.text({0, kPreviewTextTop, kPreviewSize, 12}, text, kPreviewTextColour, ui::Align::centre);
}

}  // namespace

void paint_graphic_preview(ui::Painter& painter, std::string_view path) {
  painter.fill({0, 0, kPreviewSize, kPreviewSize}, kPreviewBackground);
  if (path.empty()) return;
  std::optional<std::uint64_t> size = platform::file_size(path);
  if (size && *size > kPreviewMaxBytes) return say(painter, kTooLargeText);
  std::optional<platform::images::ImageInfo> info = platform::images::bmp_info(path);
  if (!info) return say(painter, kCantPreviewText);
  // Scaled down (never up) to fit the square, proportions kept, centred.
  const double scale = std::min({1.0, static_cast<double>(kPreviewSize) / info->width,
                                 static_cast<double>(kPreviewSize) / info->height});
  const int width = std::max(1, static_cast<int>(info->width * scale));
  const int height = std::max(1, static_cast<int>(info->height * scale));
  painter.bitmap({(kPreviewSize - width) / 2, (kPreviewSize - height) / 2, width, height},
                 platform::to_host_path(path));
}

void paint_picture_button(ui::Painter& painter, ui::Rect face, std::string_view path, std::string_view name,
                          bool chosen) {
  painter.fill(face, kButtonFace);
  painter.frame(face, chosen ? ui::kBlack : kButtonFrame);
  const ui::Rect inside{face.x + 2, face.y + 2, face.cx - 4, face.cy - 4};
  if (!path.empty() && platform::images::bmp_info(path)) painter.bitmap(inside, platform::to_host_path(path));
  else painter.text(inside, name, ui::kBlack, ui::Align::centre);
}

}  // namespace aids
