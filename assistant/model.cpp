#include "assistant/model.h"

#include <utility>

namespace assistant {

void Model::clear() {
  entries_.clear();
  pool_.clear();
  max_ = 0;
  current = 0;
  test_stale = true;
}

void Model::note_number(std::string_view text) {
  if (auto n = entry_number(text); n && *n > max_) max_ = *n;
}

void Model::append(std::string_view text) {
  entries_.push_back(pool_.store(text));
  note_number(text);
  touched();
}

void Model::insert(int index, std::string_view text) {
  entries_.insert(entries_.begin() + index, pool_.store(text));
  note_number(text);
  touched();
}

void Model::replace(int index, std::string_view text) {
  entries_.at(index) = pool_.store(text);
  note_number(text);
  touched();
}

void Model::remove(int index) {
  entries_.erase(entries_.begin() + index);
  touched();
}

void Model::exchange(int index) {
  std::swap(entries_.at(index), entries_.at(index + 1));
  changed = true;
  if (mode == IdSource::include_file) test_stale = true;
}

void Model::reorder(const std::vector<int>& order) {
  std::vector<std::string_view> moved;
  moved.reserve(order.size());
  for (int old_index : order) moved.push_back(entries_.at(old_index));
  entries_ = std::move(moved);
  changed = true;
  if (mode == IdSource::include_file) test_stale = true;
}

}  // namespace assistant
