// Topic footnotes as the RTF reader reports them. A help topic file writes a
// footnote as the footnote character followed by the footnote group, whose
// text repeats the character as its reference mark:
//   #{\footnote # IDH_welcome}
// Word processors wrap the characters in formatting groups and split the
// text into runs:
//   {\cs15\super #}{\footnote\pard\plain {\cs15\super #} IDH_welcome\par }
// The reader hands over the footnote's text without its formatting; what is
// left here is to know which footnote it is and to take its value.
#pragma once
#include <string>
#include <string_view>

namespace project {

// The footnote character that stands in front of a footnote: the last
// character of the topic's text before it, blanks aside.
class FootnoteMark {
 public:
  // Body text of the topic (not hidden, not in a footnote).
  void body_text(std::string_view bytes);
  // A paragraph, cell, row or page ended: a character before it marks nothing.
  void clear() { mark_ = 0; }
  // The mark for a footnote that starts now; it is used up.
  char take();

 private:
  char mark_ = 0;
};

// The value of a footnote of this kind from its whole text: the reference
// mark in front is dropped, breaks and control characters inside become
// blanks, and the result is trimmed.
std::string FootnoteValue(char kind, std::string_view text);

}  // namespace project
