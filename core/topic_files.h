// The project's topic files in [FILES] order, numbered from 0. Names are kept
// within the fixed capacity the data file and dialogs assume: at most 1002
// names, packed into at most 20 blocks of 8000 bytes.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace core {

// Topic-file number of a topic that is in no topic file.
inline constexpr int kNoTopicFile = -7;

class TopicFileList {
 public:
  static constexpr int kMaxNames = 1002;
  static constexpr int kBlockSize = 8000;
  static constexpr int kMaxBlocks = 20;

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
  int blocks_used_ = 0;
  int block_fill_ = 0;
};

}  // namespace core
