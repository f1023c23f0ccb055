// The project's RTF topic files, in the order of the help project's [FILES]
// section, each a full path.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace html {

struct RtfFileEntry {
  std::string path;
  std::string extra = "none";
};

class RtfFileList {
 public:
  // Appends a path; the list grows with the project.
  void add(std::string_view path);
  void clear();
  std::size_t size() const { return entries_.size(); }
  const std::vector<RtfFileEntry>& entries() const { return entries_; }

 private:
  std::vector<RtfFileEntry> entries_;
};

}  // namespace html
