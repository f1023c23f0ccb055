#include "contents/contents_model.h"

#include <algorithm>

namespace contents {

int initial_state(const CntEntry& entry) { return entry.include ? -1 : -entry.level; }

void start_model(ContentsModel& model) { model = ContentsModel{}; }

size_t entry_count(const ContentsModel& model) { return model.file.entries.size(); }

const CntEntry& entry_at(const ContentsModel& model, size_t index) { return model.file.entries.at(index); }

void append_entry(ContentsModel& model, CntEntry entry) {
  insert_entry(model, entry_count(model), std::move(entry));
}

void insert_entry(ContentsModel& model, size_t pos, CntEntry entry) {
  pos = std::min(pos, entry_count(model));
  entry.level = entry.include ? 1 : formats::cnt_level(entry.level);
  model.states.insert(model.states.begin() + static_cast<std::ptrdiff_t>(pos), initial_state(entry));
  model.file.entries.insert(model.file.entries.begin() + static_cast<std::ptrdiff_t>(pos), std::move(entry));
}

void replace_entry_text(ContentsModel& model, size_t index, std::string text) {
  if (index >= entry_count(model)) return;
  auto& entry = model.file.entries[index];
  entry.text = std::move(text);
  model.states[index] = initial_state(entry);
}

void delete_entry(ContentsModel& model, size_t index) {
  if (index >= entry_count(model)) return;
  model.file.entries.erase(model.file.entries.begin() + static_cast<std::ptrdiff_t>(index));
  model.states.erase(model.states.begin() + static_cast<std::ptrdiff_t>(index));
}

void delete_entries(ContentsModel& model, std::vector<size_t> indices) {
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  for (auto it = indices.rbegin(); it != indices.rend(); ++it) delete_entry(model, *it);
}

bool move_block(ContentsModel& model, size_t first, size_t last, Direction direction) {
  const size_t count = entry_count(model);
  if (first > last || last >= count) return false;
  auto& entries = model.file.entries;
  const auto at = [](auto& list, size_t i) { return list.begin() + static_cast<std::ptrdiff_t>(i); };
  if (direction == Direction::up) {
    if (first == 0) return false;
    std::rotate(at(entries, first - 1), at(entries, first), at(entries, last + 1));
    std::rotate(at(model.states, first - 1), at(model.states, first), at(model.states, last + 1));
  } else {
    if (last + 1 >= count) return false;
    std::rotate(at(entries, first), at(entries, last + 1), at(entries, last + 2));
    std::rotate(at(model.states, first), at(model.states, last + 1), at(model.states, last + 2));
  }
  return true;
}

}  // namespace contents
