// The auto-link phrases of a project: phrase and target pairs read one at a
// time from the auto-link file that the project's "xref" setting names.
#pragma once
#include <string>

#include "html/text/line_reader.h"

namespace html {

struct ConversionRun;

// The longest auto-link line read.
inline constexpr std::size_t kPhraseLineBytes = 5000;

// Where get_next_phrase stands in the auto-link file. It has a reader of its
// own, since the caller's loop spans many calls and passes in between must
// not move it.
struct PhraseCursor {
  LineReader reader;
  bool started = false;
};

// The auto-link switch and file of a "xref" value ("%d %d %s"; the text is
// taken after a ">" when one is present).
struct AutoLinkSetting {
  bool convert_hotspots = true;
  bool auto_link = false;
  std::string file;
};
AutoLinkSetting parse_auto_link(std::string_view xref);

// The next pair: 1 with phrase and target set, 0 at the end of the file or
// when auto-linking is off or its file cannot be opened. restart (and the
// first call) reads the project's setting again and starts from the top.
int get_next_phrase(ConversionRun& run, std::string& phrase, std::string& target, bool restart);

}  // namespace html
