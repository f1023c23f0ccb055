// The project's RTF topic files, in the order of the help project's [FILES]
// section, each a full path.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace html {

// The list's fixed room: entries and the bytes of their strings (20 blocks
// of 8,000 bytes; each entry keeps its path and the second string "none").
inline constexpr std::size_t kMaxRtfFiles = 1002;
inline constexpr std::size_t kRtfListBytes = 20 * 8000;

struct RtfFileEntry {
  std::string path;
  std::string extra = "none";
};

class RtfFileList {
 public:
  // Appends a path; false (nothing added) when the list is full.
  bool add(std::string_view path);
  void clear();
  std::size_t size() const { return entries_.size(); }
  const std::vector<RtfFileEntry>& entries() const { return entries_; }

 private:
  std::vector<RtfFileEntry> entries_;
  std::size_t bytes_ = 0;
};

}  // namespace html
