#include "core/topic_files.h"

#include "platform/paths.h"
#include "platform/text.h"

namespace core {

bool TopicFileList::add(std::string_view name, int number) {
  if (count() >= kMaxNames) return false;
  names_.emplace_back(name);
  numbers_.push_back(number);
  return true;
}

void TopicFileList::clear() {
  names_.clear();
  numbers_.clear();
}

int TopicFileList::find_by_file_name(std::string_view file_name) const {
  for (int i = 0; i < count(); ++i) {
    if (text::iequals(platform::file_name_of(names_[i]), file_name)) return i;
  }
  return -1;
}

int TopicFileList::find_by_number(int number) const {
  for (int i = 0; i < count(); ++i) {
    if (numbers_[i] == number) return i;
  }
  return -1;
}

}  // namespace core
