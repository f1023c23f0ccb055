#include "html/analysis/rtf_file_list.h"

#include "html/analysis/marker_file.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

bool RtfFileList::marker_taken(std::string_view marker, std::size_t except) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (i != except && text::iequals(entries_[i].marker, marker)) return true;
  }
  return false;
}

// "stem.~tw" in the project folder, or "stem-2.~tw", "stem-3.~tw"... when
// another topic file's marker has that name.
std::string RtfFileList::free_marker(std::string_view project_dir, std::string_view stem,
                                     std::size_t except) const {
  std::string marker = platform::join_path(project_dir, std::string(stem) + std::string(kMarkerExtension));
  for (int n = 2; marker_taken(marker, except); ++n) {
    marker = platform::join_path(project_dir,
                                 std::string(stem) + "-" + std::to_string(n) + std::string(kMarkerExtension));
  }
  return marker;
}

void RtfFileList::add(std::string_view path, std::string_view project_dir) {
  RtfFileEntry entry;
  entry.path = std::string(path);
  entry.marker = with_last_extension(path, kMarkerExtension);
  const bool outside = !project_dir.empty() && !platform::is_within(project_dir, path);
  const std::size_t index = entries_.size();
  if (!outside) {
    // A topic file of the project keeps its marker beside it; a moved
    // marker that took that name makes way.
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (moved_[i] && text::iequals(entries_[i].marker, entry.marker)) {
        entries_.push_back(entry);
        moved_.push_back(false);
        std::string_view stem = platform::file_name_of(entries_[i].path);
        stem = stem.substr(0, stem.size() - platform::extension_of(stem).size());
        entries_[i].marker = free_marker(project_dir, stem, i);
        return;
      }
    }
  } else {
    std::string_view stem = platform::file_name_of(path);
    stem = stem.substr(0, stem.size() - platform::extension_of(stem).size());
    entry.marker = free_marker(project_dir, stem, index);
  }
  entries_.push_back(std::move(entry));
  moved_.push_back(outside);
}

void RtfFileList::clear() {
  entries_.clear();
  moved_.clear();
}

}  // namespace html
