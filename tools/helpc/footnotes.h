// The footnotes and hotspot marks of a topic file as every reader of the
// topics sees them: the check and the help file writer share these.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "rtf/reader.h"
#include "tools/helpc/references.h"

namespace helpc {

struct Footnote {
  char mark = 0;      // '#', '$', 'K', '>' …; 0 when there is none
  std::string value;  // the text after the mark, trimmed
};

// A footnote's text starts with its reference mark, which is dropped; the
// mark seen in the body (reference_mark, 0 when none) wins when the text
// does not repeat it.
Footnote read_footnote(std::string_view footnote_text, char reference_mark);

// The entries of a "K" or "A" footnote: separated by ";", blanks dropped.
std::vector<std::string> keyword_list(std::string_view list);

// Underlined, double-underlined or struck text: a hotspot when hidden text
// follows.
bool is_hotspot_format(const rtf::CharFormat& format);
// Single underline makes a pop-up; double underline and strike a jump.
HotspotKind hotspot_kind_of(const rtf::CharFormat& format);

}  // namespace helpc
