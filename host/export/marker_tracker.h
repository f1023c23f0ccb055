// Recognises, in the text of a paragraph as it is exported, the plain-text
// markers that the conversion library put into a marker file ("~~~pg",
// "~" title "!~", "!!b" context "!", "!tzbrs" ... "!~", "!tzky" ... "!~",
// "!!x" ... "#!#", "!!lfct" ... "!!", "!!lfcp" ... "!pe!", "{bm ...}",
// "{button ...}", "{ew ...}"). The page splitter and page writer find them
// line by line, so each marker is kept on one line; the keyword and browse
// lists are data rather than text, so their bytes are written unescaped (an
// entity such as "&amp;" would bring in a ";", which separates keywords).
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace host::html_export {

// A byte range [begin, end) of a paragraph's HTML that no line break may split.
struct Span {
  std::size_t begin = 0;
  std::size_t end = 0;
};

// Text a marker may hold before it is taken for stray text: the distance the
// page splitter reads ahead for a marker's end.
constexpr std::size_t kMaxMarkerText = 5000;

class MarkerTracker {
 public:
  // Whether the next text byte is part of a keyword or browse list and must be
  // written as it is.
  bool raw() const;
  // Notes one text byte, written at [begin, end) of the paragraph's HTML.
  void byte(char c, std::size_t begin, std::size_t end);
  // The paragraph ends at html_end: returns the marker spans and starts over.
  // A marker still open is kept whole to the end of the paragraph.
  std::vector<Span> finish(std::size_t html_end);

  struct Kind;

 private:
  struct Seen {
    char c;
    std::size_t begin;
  };
  bool window_ends_with(std::string_view text) const;
  void look_for_opener(std::size_t end);
  void close(std::size_t end);

  std::vector<Seen> window_;          // the last few text bytes
  const Kind* open_ = nullptr;        // marker being read
  bool title_may_follow_ = false;     // a page marker just ended
  std::size_t span_begin_ = 0;
  std::size_t marker_bytes_ = 0;      // bytes read since the opener
  std::size_t earliest_opener_ = 0;   // an opener may not reuse a closed marker's bytes
  std::vector<Span> spans_;
};

}  // namespace host::html_export
