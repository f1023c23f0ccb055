// The contents model the contents editor, the preview and the outline import
// share: the header values and entries of a contents file, and per entry its
// state (a book is -level while closed and +level while open; an include
// is -1). The entry list grows as needed; moving entries moves no text.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "formats/cnt_file.h"

namespace contents {

using formats::CntEntry;

struct ContentsModel {
  formats::CntFile file;
  std::vector<int> states;  // one per entry of file.entries
  bool loaded = false;      // the model holds the project's contents file
};

// The state an entry starts with: closed book, or -1 for an include.
int initial_state(const CntEntry& entry);

void start_model(ContentsModel& model);  // empty, not loaded
size_t entry_count(const ContentsModel& model);
const CntEntry& entry_at(const ContentsModel& model, size_t index);

void append_entry(ContentsModel& model, CntEntry entry);
// pos may be entry_count(): the entry then goes last.
void insert_entry(ContentsModel& model, size_t pos, CntEntry entry);
// Puts new text (title, TAB, target) in the entry, keeping its level.
void replace_entry_text(ContentsModel& model, size_t index, std::string text);
void delete_entry(ContentsModel& model, size_t index);
// Deletes exactly the entries listed, in any order; bad indices are ignored.
void delete_entries(ContentsModel& model, std::vector<size_t> indices);

enum class Direction { up, down };
// Moves entries first..last one place; false (and nothing moved) when the
// block touches the top or bottom, or the range is not valid.
bool move_block(ContentsModel& model, size_t first, size_t last, Direction direction);

}  // namespace contents
