// Small readers over gathered RTF text, shared by the footnote and hotspot
// readers of the topic scanner. They never look past the end of the text:
// a construct that runs into the end is reported as open, so the scanner can
// wait for the next line.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace project::rtf_marks {

// What reading a construct found.
enum class Found {
  complete,  // read; scanning goes on after it
  open,      // runs into the end of the gathered text: wait for more
  nothing,   // not the construct after all
};

// A control word: a backslash, letters, an optional signed number and an
// optional blank that belongs to it.
struct ControlWord {
  std::string_view name;
  bool has_param = false;
  long param = 0;
  size_t end = 0;        // position after the word (and its blank)
  bool complete = true;  // false when the word touches the end of the text
};

// The control word at pos (text[pos] == '\\'); nullopt for a control symbol.
std::optional<ControlWord> control_word_at(std::string_view text, size_t pos);
// Length of the control symbol at pos ("\'hh" is 4, "\{" is 2); 0 when it is
// cut off by the end of the text.
size_t control_symbol_length(std::string_view text, size_t pos);
// True for a word that switches its property on: no number, or not 0.
bool switches_on(const ControlWord& word);
// Position of the next '}' that is not escaped, from pos; npos when none.
size_t next_close(std::string_view text, size_t pos);
// Position of the '}' that closes the group opened at open; npos when the
// group is not closed within the text.
size_t group_end(std::string_view text, size_t open);

// The gathered text keeps the line breaks of the file as '\n'; RTF ignores
// them, except that one ends a control word. Removes them, putting a blank
// where a control word needs its end.
std::string join_lines(std::string_view raw);
// Removes control words and groups' braces, turns the escapes "\\", "\{",
// "\}" and "\'hh" into their characters, and trims.
std::string plain_text(std::string_view raw);

}  // namespace project::rtf_marks
