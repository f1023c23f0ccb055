#include "aids/picture_copy.h"

#include <optional>
#include <vector>

#include "aids/bitmap_path.h"
#include "formats/bitmap_roots.h"
#include "formats/hpj_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/project_state.h"

namespace aids {

namespace {

bool same_path(std::string_view a, std::string_view b) {
  return text::iequals(platform::to_host_path(a), platform::to_host_path(b));
}

}  // namespace

bool in_bitmap_roots(const project::ProjectState& state, std::string_view path) {
  std::optional<std::string> found =
      formats::find_bitmap(project_bitmap_folders(state), platform::file_name_of(path));
  return found && same_path(*found, path);
}

std::string project_folder_of(const project::ProjectState& state) {
  return formats::resolved_project_entry(platform::directory_of(state.project_path), ".");
}

std::string picture_copy_folder(const project::ProjectState& state) {
  const std::string project_folder = project_folder_of(state);
  const std::vector<std::string> folders = project_bitmap_folders(state);
  for (const std::string& folder : folders)
    if (text::iequals(folder, project_folder)) return project_folder;
  return folders.empty() ? project_folder : folders.front();
}

PictureCopyOutcome copy_picture(std::string_view from, std::string_view folder) {
  const std::string to = platform::join_path(folder, platform::file_name_of(from));
  if (same_path(from, to)) return PictureCopyOutcome::already_there;
  if (platform::file_exists(to)) {
    std::optional<std::string> ours = platform::read_file(from);
    std::optional<std::string> theirs = platform::read_file(to);
    return ours && theirs && *ours == *theirs ? PictureCopyOutcome::already_there
                                              : PictureCopyOutcome::other_file;
  }
  return platform::copy_file(from, to) ? PictureCopyOutcome::copied : PictureCopyOutcome::failed;
}

std::string picture_reference(const project::ProjectState& state, std::string_view copy_path) {
  if (in_bitmap_roots(state, copy_path)) return std::string(platform::file_name_of(copy_path));
  return platform::to_system_path(platform::to_host_path(copy_path));
}

}  // namespace aids
