// The project's topic files in [FILES] order, numbered from 0. The list
// grows with the project up to what the data file can count.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace core {

// Topic-file number of a topic that is in no topic file.
inline constexpr int kNoTopicFile = -7;

class TopicFileList {
 public:
  // The data file counts topic files, and topics name theirs, in 16 bits.
  static constexpr int kMaxNames = 32767;

  // Appends a name with its topic-file number; false when the list is full.
  bool add(std::string_view name, int number);
  // Appends with the next free number (the count before the add).
  bool add(std::string_view name) { return add(name, count()); }
  void clear();

  int count() const { return static_cast<int>(names_.size()); }
  bool empty() const { return names_.empty(); }
  const std::string& name(int index) const { return names_[index]; }
  int number(int index) const { return numbers_[index]; }
  const std::vector<std::string>& names() const { return names_; }
  // Index of the file whose name without folder equals file_name (no case), -1.
  int find_by_file_name(std::string_view file_name) const;
  // Index of the entry with this topic-file number, -1.
  int find_by_number(int number) const;

 private:
  std::vector<std::string> names_;
  std::vector<int> numbers_;
};

}  // namespace core
