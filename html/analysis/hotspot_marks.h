// Hotspots into markers: underlined text (single or double underline, or
// strike-through) directly followed by hidden text becomes "!!x" + the
// hotspot's RTF text + "^#" + context + "#!#". The hotspot text stays where
// it is, only its underline goes; the hidden text's words give way to the
// visible context, so every group and every \cell stays in place.
#pragma once
#include <cstddef>
#include <vector>

#include "html/analysis/marker_text.h"
#include "html/analysis/rtf_edits.h"
#include "rtf/reader.h"

namespace html {

// A byte range of the RTF input.
struct SourceSpan {
  std::size_t offset = 0;
  std::size_t length = 0;
  std::size_t end() const { return offset + length; }
};

class HotspotMarks {
 public:
  HotspotMarks(std::string_view rtf, RtfEdits& edits) : rtf_(rtf), edits_(edits) {}

  // Visible underlined text at source, with the formatting origin in force.
  void hotspot_text(SourceSpan source, const rtf::FormatOrigin& origin);
  // Hidden text: the target of the hotspot waiting for one, else ignored.
  void hidden_text(SourceSpan source, const DocText& text, const rtf::FormatOrigin& origin);
  // True once hidden text has followed the hotspot text.
  bool has_target() const { return !hidden_.empty(); }
  // True while hotspot text waits for its target.
  bool waiting() const { return !runs_.empty() && hidden_.empty(); }
  // The hotspot ends: marked when it has a target, else forgotten. now is
  // the formatting origin in force at this point.
  void end(const rtf::FormatOrigin& now, int code_page);
  // Hotspots marked so far.
  int marked() const { return marked_; }

 private:
  struct Piece {
    SourceSpan source;
    rtf::FormatOrigin origin;
  };
  static void add_piece(std::vector<Piece>& pieces, SourceSpan source, const rtf::FormatOrigin& origin);
  void mark_text(const rtf::FormatOrigin& now);
  void mark_target(const rtf::FormatOrigin& now, const DocText& context, int code_page);
  bool take_word(const rtf::WordSpan& word);

  std::string_view rtf_;
  RtfEdits& edits_;
  std::vector<Piece> runs_;
  std::vector<Piece> hidden_;
  DocText target_;
  std::vector<std::size_t> removed_words_;
  int marked_ = 0;
};

}  // namespace html
