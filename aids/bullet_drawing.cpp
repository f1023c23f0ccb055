#include "aids/bullet_drawing.h"

#include "formats/bitmap_roots.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/ui/host.h"
#include "project/project_state.h"

namespace aids {

std::string bullet_picture_path(const project::ProjectState& state, std::string_view name) {
  const std::string& dir = state.settings.bitmap_dir;
  for (const std::string& folder : {formats::stock_bitmap_folder(dir), dir}) {
    if (folder.empty()) continue;
    std::string path = platform::join_path(folder, name);
    if (platform::file_exists(path)) return path;
  }
  return {};
}

void draw_bullet_item(ui::Painter& painter, ui::Rect item, std::string_view path, std::string_view name,
                      bool selected) {
  painter.fill(item, selected ? kBulletHighlight : kBulletBackground);
  const int top = item.y + (item.cy - kBulletPictureSize) / 2;
  if (!path.empty()) painter.bitmap({item.x + 4, top, kBulletPictureSize, kBulletPictureSize}, platform::to_host_path(path));
  const int text_x = item.x + 8 + kBulletPictureSize;
  painter.text({text_x, item.y, item.cx - (text_x - item.x), item.cy}, name, selected ? ui::kWhite : ui::kBlack,
               ui::Align::left);
}

void paint_bullet_list(const project::ProjectState& state, const ui::Dialog& dialog, int list) {
  ui::host().paint(dialog.handle(), list, [&](ui::Painter& painter) {
    for (int row = 0; row < dialog.item_count(list); ++row) {
      const std::string name = dialog.item_text(list, row);
      const ui::Rect item{0, row * kBulletItemHeight, kBulletItemWidth, kBulletItemHeight};
      draw_bullet_item(painter, item, bullet_picture_path(state, name), name, dialog.item_selected(list, row));
    }
  });
}

}  // namespace aids
