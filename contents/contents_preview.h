// The preview of the contents as the help viewer's Contents tab shows them:
// the visible entries, books opened and closed in place.
#pragma once
#include <string>
#include <vector>

#include "contents/contents_model.h"

namespace contents {

struct ContentsPreview {
  std::vector<size_t> visible;  // entry index of each shown item
};

// Shows the level-1 entries, every book closed.
ContentsPreview start_preview(ContentsModel& model);

// Opens the closed book shown at `item`: the entries one level deeper up to
// the next entry not deeper than the book appear below it, their books
// closed. Closes an open book: every deeper item below it goes. Topics and
// items out of range are left alone; returns whether anything changed.
bool toggle_book(ContentsModel& model, ContentsPreview& preview, size_t item);

// The action button's caption for the item: "Go To", "Open" or "Close".
std::string action_caption(const ContentsModel& model, const ContentsPreview& preview, size_t item);

}  // namespace contents
