// Page breaks and topic footnotes into markers. "\page" becomes "~~~pg" in
// place; a footnote group goes, and its reference mark becomes the marker
// (# anchor, K keywords, + browse sequence; $ gives its title to the topic's
// page marker). The first topic of a file has no page break before it: its
// page marker goes before the topic's first text, so that nothing of the
// topic (its browse sequence, its keywords) lands before its page.
#pragma once
#include <cstddef>
#include <optional>

#include "html/analysis/hotspot_marks.h"
#include "html/analysis/marker_text.h"
#include "html/analysis/rtf_edits.h"

namespace html {

class TopicMarks {
 public:
  TopicMarks(std::string_view rtf, RtfEdits& edits) : rtf_(rtf), edits_(edits) {}

  // Visible text outside footnotes. bytes is the text as read; source is
  // where it stands, exact when in_place (plain text rather than an escape).
  void visible_text(std::string_view bytes, SourceSpan source, bool in_place);
  // A paragraph, cell or row ends: a mark no longer stands before what follows.
  void block_end() { mark_.reset(); }
  // An auto-numbered footnote's mark word.
  void numbered_mark(const rtf::WordSpan& word) { numbered_ = word; mark_.reset(); }
  void page_break(const rtf::Token& page);

  // A footnote group opens at group_open; its text follows; it closes at close.
  void footnote_begin(std::size_t group_open);
  void footnote_text(const DocText& text) { text_ += text; }
  void footnote_end(std::size_t close, int code_page);

 private:
  struct Mark {
    char c = 0;
    std::size_t at = 0;
  };
  bool ensure_page_marker();
  std::string anchor_marker(const std::string& context, std::size_t mark_at);
  void give_title(const std::string& title);

  std::string_view rtf_;
  RtfEdits& edits_;
  std::optional<Mark> mark_;             // the last visible byte, when it can be replaced
  rtf::WordSpan numbered_;               // "\chftn" just before a footnote
  bool first_topic_ = true;
  std::optional<std::size_t> first_text_;  // where the first topic's text begins
  std::optional<std::size_t> page_edit_;   // the edit that writes this topic's "~~~pg"
  bool titled_ = false;
  // The footnote being read.
  std::optional<Mark> footnote_mark_;
  rtf::WordSpan footnote_numbered_;
  std::size_t footnote_open_ = 0;
  DocText text_;
};

}  // namespace html
