// Reading one topic footnote from gathered RTF text. Help topic files write
// a footnote as the footnote character followed by the footnote group, whose
// text repeats the character as its reference mark:
//   #{\footnote # IDH_welcome}
// Word processors wrap the characters in formatting groups:
//   {\cs15\super #}{\footnote\pard\plain {\cs15\super #} IDH_welcome}
// Both forms are read.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "project/rtf_marks.h"

namespace project {

struct FootnoteRead {
  rtf_marks::Found found = rtf_marks::Found::nothing;
  std::string text;   // the footnote text (see footnote_text)
  size_t resume = 0;  // where scanning goes on
};

// The footnote character in front of the group opened at `open` (the '{' of
// "{\footnote"), looking back over '}', blanks and line breaks; 0 when there
// is none.
char footnote_kind(std::string_view text, size_t open);

// Reads the footnote whose group opens at `open`. Its text runs from the
// reference mark to the next '}'. While that is not in the text the footnote
// is open; with `force` (no more text will come) it ends at its first line
// break instead.
FootnoteRead read_footnote(std::string_view text, size_t open, char kind, bool force);

// The text of a footnote: after a leading control word, from the first blank
// that follows it; else without leading control characters; cut at the
// first control character.
std::string footnote_text(std::string_view raw);

}  // namespace project
