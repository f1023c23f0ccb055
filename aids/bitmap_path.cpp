#include "aids/bitmap_path.h"

#include "formats/bitmap_roots.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/project_state.h"

namespace aids {

namespace {

bool is_stock_path(std::string_view path) {
  std::string lower = text::to_lower(path);
  for (std::string_view marker : {"\\tw_bmaps", "/tw_bmaps"})
    if (lower.find(marker) != std::string::npos) return true;
  return false;
}

int kind_of(const project::ProjectState& state, std::string_view path) {
  const std::string& bullet = state.settings.bullet_type;
  if (!text::trim(bullet).empty() && text::icontains(path, text::trim(bullet))) return kBitmapIsBullet;
  return is_stock_path(path) ? kBitmapIsStock : kBitmapFound;
}

// The picture's file name from a code such as "bmct arrow.bmp}".
std::string picture_name(std::string_view code) {
  code = text::trim(code);
  code = code.substr(0, code.find('}'));
  std::string name = text::to_lower(code);
  std::size_t blank = name.find(' ');
  if (blank != std::string::npos) name.erase(0, blank + 1);
  return std::string(text::trim(name));
}

}  // namespace

std::vector<std::string> project_bitmap_folders(const project::ProjectState& state) {
  const std::string folder(platform::directory_of(state.project_path));
  const std::string& roots = state.data.project.bitmap_roots;
  const std::string stock =
      state.win95_compiler ? formats::stock_bitmap_folder(state.settings.bitmap_dir) : std::string();
  return formats::bitmap_search_folders(folder, text::trim(roots).empty() ? "." : roots, stock);
}

int GetBitPath(const project::ProjectState& state, std::string_view code, std::string& path) {
  path.clear();
  if (text::icontains(code, kStockButtonPicture) && !state.options.wys_picts) return kBitmapNotFound;
  const std::string name = picture_name(code);
  if (name.empty()) return kBitmapNotFound;
  if (std::optional<std::string> found = formats::find_bitmap(project_bitmap_folders(state), name)) {
    path = *found;
    return kind_of(state, path);
  }
  for (const std::string& entry : state.data.project.bitmap_files) {
    if (!text::icontains(entry, name)) continue;
    path = entry;
    return is_stock_path(entry) ? kBitmapIsStock : kBitmapFound;
  }
  return kBitmapNotFound;
}

}  // namespace aids
