#include "contents/contents_preview.h"

namespace contents {
namespace {

using Items = std::vector<size_t>;

void open_book(ContentsModel& model, ContentsPreview& preview, size_t item, size_t book) {
  const int level = entry_at(model, book).level;
  Items children;
  for (size_t i = book + 1; i < entry_count(model) && entry_at(model, i).level > level; ++i) {
    if (entry_at(model, i).level != level + 1) continue;
    children.push_back(i);
    model.states[i] = initial_state(entry_at(model, i));
  }
  preview.visible.insert(preview.visible.begin() + static_cast<std::ptrdiff_t>(item + 1), children.begin(),
                         children.end());
  model.states[book] = level;
}

void close_book(ContentsModel& model, ContentsPreview& preview, size_t item, size_t book) {
  const int level = entry_at(model, book).level;
  size_t end = item + 1;
  while (end < preview.visible.size() && entry_at(model, preview.visible[end]).level > level) ++end;
  preview.visible.erase(preview.visible.begin() + static_cast<std::ptrdiff_t>(item + 1),
                        preview.visible.begin() + static_cast<std::ptrdiff_t>(end));
  model.states[book] = -level;
}

}  // namespace

ContentsPreview start_preview(ContentsModel& model) {
  ContentsPreview preview;
  for (size_t i = 0; i < entry_count(model); ++i) {
    model.states[i] = initial_state(entry_at(model, i));
    if (entry_at(model, i).level == 1) preview.visible.push_back(i);
  }
  return preview;
}

bool toggle_book(ContentsModel& model, ContentsPreview& preview, size_t item) {
  if (item >= preview.visible.size()) return false;
  const size_t book = preview.visible[item];
  if (!entry_at(model, book).is_book()) return false;
  if (model.states[book] < 0)
    open_book(model, preview, item, book);
  else
    close_book(model, preview, item, book);
  return true;
}

std::string action_caption(const ContentsModel& model, const ContentsPreview& preview, size_t item) {
  if (item >= preview.visible.size()) return {};
  const size_t index = preview.visible[item];
  if (!entry_at(model, index).is_book()) return "Go To";
  return model.states[index] < 0 ? "Open" : "Close";
}

}  // namespace contents
