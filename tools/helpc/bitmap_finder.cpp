#include "tools/helpc/bitmap_finder.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace helpc {

BitmapFinder::BitmapFinder(std::vector<std::string> folders, std::vector<std::string> listed,
                           std::string project_directory)
    : folders_(std::move(folders)), listed_(std::move(listed)),
      project_directory_(std::move(project_directory)) {}

bool BitmapFinder::found(std::string_view name) {
  std::string key = text::to_lower(name);
  auto it = known_.find(key);
  if (it != known_.end()) return it->second;
  bool exists = look_up(name);
  known_.emplace(std::move(key), exists);
  return exists;
}

bool BitmapFinder::look_up(std::string_view name) const {
  if (platform::is_absolute(name)) return platform::file_exists(name);
  for (const auto& entry : listed_) {
    if (!text::iequals(platform::file_name_of(entry), platform::file_name_of(name))) continue;
    std::string path = platform::is_absolute(entry) ? entry : platform::join_path(project_directory_, entry);
    if (platform::file_exists(path)) return true;
  }
  for (const auto& folder : folders_) {
    if (platform::file_exists(platform::join_path(folder, name))) return true;
  }
  return false;
}

}  // namespace helpc
