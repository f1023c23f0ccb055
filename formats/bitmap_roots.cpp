#include "formats/bitmap_roots.h"

#include "formats/hpj_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace formats {

std::string stock_bitmap_folder(std::string_view bitmap_dir) {
  std::string dir(text::trim(bitmap_dir));
  if (dir.empty()) return {};
  if (!platform::is_separator(dir.back())) dir += '\\';
  return dir + "std_bmps";
}

std::vector<std::string> bitmap_search_folders(std::string_view project_folder,
                                               std::string_view roots,
                                               std::string_view stock_folder) {
  std::vector<std::string> folders;
  auto add = [&folders](std::string path) {
    for (const std::string& known : folders)
      if (text::iequals(known, path)) return;
    folders.push_back(std::move(path));
  };
  for (const std::string& piece : text::split(roots, ',')) {
    if (text::trim(piece).empty()) continue;
    add(resolved_project_entry(project_folder, piece));
  }
  if (!text::trim(stock_folder).empty()) add(resolved_project_entry(project_folder, stock_folder));
  return folders;
}

std::optional<std::string> find_bitmap(const std::vector<std::string>& folders,
                                       std::string_view name) {
  name = text::trim(name);
  if (name.empty()) return std::nullopt;
  for (const std::string& folder : folders) {
    std::string path = platform::join_path(folder, name);
    if (platform::file_exists(path)) return path;
  }
  return std::nullopt;
}

}  // namespace formats
