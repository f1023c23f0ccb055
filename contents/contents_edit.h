// The contents editor's operations on a selection of entries: where new
// entries go and at what level, the level shifts and when they warn.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contents/contents_model.h"

namespace contents {

// Selections are entry indices in ascending order.
using Selection = std::vector<size_t>;

// The entry new entries go after: the last selected one, else the last
// entry; none in an empty list.
std::optional<size_t> insertion_anchor(const ContentsModel& model, const Selection& selection);

// A new book's level: the anchor's if it is a book, one less if it is a
// topic, 1 without an anchor (1-16, else 1).
int new_book_level(const ContentsModel& model, std::optional<size_t> anchor);
// A new topic's level: one deeper than a book anchor, else the anchor's.
int new_topic_level(const ContentsModel& model, std::optional<size_t> anchor);

// The entry the book field makes: an include (stored in lower case) when the
// text starts with ":" and names ":include" in any case, else a book.
CntEntry make_book_entry(std::string_view text, int level);
// A topic entry: title, TAB, context string, "@" and the help file when the
// topic comes from another project, ">" and the window when one is given.
CntEntry make_topic_entry(std::string_view title, std::string_view context, std::string_view help_file,
                          std::string_view window, int level);

// Inserts the entries one after another after the anchor; returns the new
// entries' indices (the selection afterwards).
Selection insert_after_anchor(ContentsModel& model, const Selection& selection, std::vector<CntEntry> entries);

// Whether shifting the first selected entry warns that the Contents tab may
// come out wrong.
bool shift_left_warns(const ContentsModel& model, const Selection& selection);
bool shift_right_warns(const ContentsModel& model, const Selection& selection);

// Each selected entry one level out or in; 0 and 17 become 1. Includes stay
// at level 1: the file has no place for another level.
void shift_entries(ContentsModel& model, const Selection& selection, int by);
void set_level_one(ContentsModel& model, const Selection& selection);

// Moves the block from the first to the last selected entry one place;
// returns the selection afterwards (unchanged when nothing moved).
Selection move_selection(ContentsModel& model, const Selection& selection, Direction direction);

}  // namespace contents
