#include "html/analysis/rtf_file_list.h"

namespace html {

void RtfFileList::add(std::string_view path) {
  RtfFileEntry entry;
  entry.path = std::string(path);
  entries_.push_back(std::move(entry));
}

void RtfFileList::clear() { entries_.clear(); }

}  // namespace html
