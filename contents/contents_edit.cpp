#include "contents/contents_edit.h"

#include <algorithm>
#include <cctype>

namespace contents {
namespace {

// Books and includes have no target; only a topic has one.
bool has_target(const CntEntry& entry) { return entry.is_topic(); }

std::string lower(std::string_view text) {
  std::string out(text);
  for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::optional<size_t> insertion_anchor(const ContentsModel& model, const Selection& selection) {
  if (!selection.empty() && selection.back() < entry_count(model)) return selection.back();
  if (entry_count(model) == 0) return std::nullopt;
  return entry_count(model) - 1;
}

int new_book_level(const ContentsModel& model, std::optional<size_t> anchor) {
  if (!anchor) return 1;
  const auto& entry = entry_at(model, *anchor);
  return formats::cnt_level(has_target(entry) ? entry.level - 1 : entry.level);
}

int new_topic_level(const ContentsModel& model, std::optional<size_t> anchor) {
  if (!anchor) return 1;
  const auto& entry = entry_at(model, *anchor);
  return formats::cnt_level(has_target(entry) ? entry.level : entry.level + 1);
}

CntEntry make_book_entry(std::string_view text, int level) {
  const std::string lowered = lower(text);
  if (lowered.starts_with(':') && lowered.find(":include") != std::string::npos)
    return CntEntry{1, lowered, true};
  return CntEntry{formats::cnt_level(level), std::string(text), false};
}

CntEntry make_topic_entry(std::string_view title, std::string_view context, std::string_view help_file,
                          std::string_view window, int level) {
  std::string text = std::string(title) + "\t" + std::string(context);
  if (!help_file.empty()) text += "@" + std::string(help_file);
  if (!window.empty()) text += ">" + std::string(window);
  return CntEntry{formats::cnt_level(level), std::move(text), false};
}

Selection insert_after_anchor(ContentsModel& model, const Selection& selection, std::vector<CntEntry> entries) {
  const auto anchor = insertion_anchor(model, selection);
  size_t pos = anchor ? *anchor + 1 : 0;
  Selection inserted;
  for (auto& entry : entries) {
    insert_entry(model, pos, std::move(entry));
    inserted.push_back(pos++);
  }
  return inserted;
}

bool shift_left_warns(const ContentsModel& model, const Selection& selection) {
  if (selection.empty() || selection.front() == 0 || selection.front() >= entry_count(model)) return false;
  const auto& entry = entry_at(model, selection.front());
  const auto& above = entry_at(model, selection.front() - 1);
  if (entry.level <= 1) return false;
  const bool topic_under_topic = has_target(entry) && has_target(above) && above.level >= entry.level;
  const bool inside_book = !has_target(above) && above.level + 1 >= entry.level;
  return topic_under_topic || inside_book;
}

bool shift_right_warns(const ContentsModel& model, const Selection& selection) {
  if (selection.empty() || selection.front() >= entry_count(model)) return false;
  // Nothing above the first entry can hold it one level deeper.
  if (selection.front() == 0) return true;
  const auto& entry = entry_at(model, selection.front());
  const auto& above = entry_at(model, selection.front() - 1);
  if (has_target(above)) return entry.level >= above.level;
  return has_target(entry) && entry.level >= above.level + 1;
}

void shift_entries(ContentsModel& model, const Selection& selection, int by) {
  for (const size_t index : selection) {
    if (index >= entry_count(model)) continue;
    auto& entry = model.file.entries[index];
    if (entry.include) continue;
    entry.level = formats::cnt_level(entry.level + by);
    model.states[index] = initial_state(entry);
  }
}

void set_level_one(ContentsModel& model, const Selection& selection) {
  for (const size_t index : selection) {
    if (index >= entry_count(model)) continue;
    model.file.entries[index].level = 1;
    model.states[index] = initial_state(model.file.entries[index]);
  }
}

Selection move_selection(ContentsModel& model, const Selection& selection, Direction direction) {
  if (selection.empty()) return selection;
  const size_t first = selection.front(), last = selection.back();
  if (!move_block(model, first, last, direction)) return selection;
  Selection moved;
  for (size_t i = first; i <= last; ++i) moved.push_back(direction == Direction::up ? i - 1 : i + 1);
  return moved;
}

}  // namespace contents
