#include "html/rtf_file_list.h"

namespace html {

bool RtfFileList::add(std::string_view path) {
  RtfFileEntry entry;
  std::size_t bytes = path.size() + 1 + entry.extra.size() + 1;
  if (entries_.size() >= kMaxRtfFiles || bytes_ + bytes > kRtfListBytes) return false;
  entry.path = std::string(path);
  entries_.push_back(std::move(entry));
  bytes_ += bytes;
  return true;
}

void RtfFileList::clear() {
  entries_.clear();
  bytes_ = 0;
}

}  // namespace html
