// The assistant's model: the list of entries with the program state around
// it (topic ID source, include file, data file path, current entry, highest
// context integer, and whether the data changed since the last save and
// since the last test compile).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "assistant/entries.h"
#include "assistant/string_pool.h"

namespace assistant {

// The context integer a new file starts counting from.
inline constexpr long kFirstContext = 20000;

class Model {
 public:
  // Empties the list and the pool and resets "max"; the mode and include
  // file stay as they are.
  void clear();

  int count() const { return static_cast<int>(entries_.size()); }
  std::string_view entry(int index) const { return entries_.at(index); }
  const std::vector<std::string_view>& entries() const { return entries_; }

  // Append, insert and replace update "max" and mark the data changed.
  void append(std::string_view text);
  void insert(int index, std::string_view text);
  void replace(int index, std::string_view text);
  void remove(int index);
  // Exchanges the entry at index with the one after it.
  void exchange(int index);
  // Puts the entries in a new order: order[i] is the old index of entry i.
  void reorder(const std::vector<int>& order);

  // The highest context integer seen since the model was last cleared.
  long max() const { return max_; }
  // What the form proposes for the next new entry.
  long next_context() const { return max_ > 0 ? max_ + 1 : kFirstContext; }

  IdSource mode = IdSource::manual;
  std::string include_file;  // mode 2 only
  std::string path;          // the data file path with the extension ".rtf"; "" untitled
  int current = 0;           // index of the current entry; count() for a new one
  bool changed = false;      // since the last save
  bool test_stale = true;    // since the last test compile

 private:
  void note_number(std::string_view text);
  void touched() { changed = true; test_stale = true; }

  StringPool pool_;
  std::vector<std::string_view> entries_;
  long max_ = 0;
};

}  // namespace assistant
