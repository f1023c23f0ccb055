// The project's RTF topic files, in the order of the help project's [FILES]
// section, each a full path, with the marker file the conversion writes for
// it.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace html {

struct RtfFileEntry {
  std::string path;
  std::string extra = "none";
  // Beside the topic file when it lies in the project folder; else in the
  // project folder, so that a conversion writes nothing outside it.
  std::string marker;
};

class RtfFileList {
 public:
  // Appends a path; the list grows with the project. project_dir is the
  // help project's folder ("" keeps every marker beside its topic file).
  void add(std::string_view path, std::string_view project_dir = {});
  void clear();
  std::size_t size() const { return entries_.size(); }
  const std::vector<RtfFileEntry>& entries() const { return entries_; }

 private:
  bool marker_taken(std::string_view marker, std::size_t except) const;
  std::string free_marker(std::string_view project_dir, std::string_view stem, std::size_t except) const;

  std::vector<RtfFileEntry> entries_;
  std::vector<bool> moved_;  // the entry's marker was moved into the project folder
};

}  // namespace html
