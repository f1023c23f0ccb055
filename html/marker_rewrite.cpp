#include "html/marker_rewrite.h"

#include "html/rtf_text.h"

namespace html {

void mark_page_breaks(std::string& chunk) {
  constexpr std::string_view page = "\\page";
  static_assert(page.size() == kPageMarker.size(), "the page marker is written in place");
  for (std::size_t p = find_control_word(chunk, page, 0); p != kNotFound;
       p = find_control_word(chunk, page, p + page.size()))
    chunk.replace(p, page.size(), kPageMarker);
}

void rewrite_chunk(std::string& chunk, MarkerFileState& state) {
  mark_page_breaks(chunk);
  mark_footnotes(chunk, state);
  mark_hotspots(chunk);
}

}  // namespace html
