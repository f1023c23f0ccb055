// Builds the HTML of one paragraph's content: text escaped, character
// formatting as <FONT>, <B>, <I> and <U> tags that are opened and closed as
// the formatting changes and all closed at the paragraph's end.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/export/marker_tracker.h"

namespace host::html_export {

// The character formatting the export shows.
struct InlineStyle {
  std::string face;   // font name; empty for the document's default font
  int size = 0;       // HTML size 1..7; 0 for the default size
  std::string color;  // "#RRGGBB"; empty for automatic
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool has_font() const { return !face.empty() || size != 0 || !color.empty(); }
  bool operator==(const InlineStyle&) const = default;
};

// A finished paragraph's content.
struct ParagraphHtml {
  std::string html;            // inline HTML, every tag closed
  std::vector<Span> markers;   // ranges of html that must stay on one line
  bool empty = true;           // nothing at all was in the paragraph
  bool shown = false;          // something visible was (not only hidden text or pictures)
};

class InlineHtml {
 public:
  // Code page 1252 text.
  void text(std::string_view bytes, const InlineStyle& style);
  // A character code page 1252 cannot hold, as a character reference.
  void character_reference(std::uint32_t code_point, const InlineStyle& style);
  // A line break within the paragraph.
  void line_break(const InlineStyle& style);
  // Content that is not shown (hidden text, pictures).
  void hidden_content() { empty_ = false; }
  // Whether the paragraph so far has text other than blanks.
  bool has_visible_text() const { return visible_text_; }
  // Whether anything at all was added since the last finish().
  bool empty() const { return empty_; }
  // Closes the open tags and hands over the paragraph; starts a new one.
  ParagraphHtml finish();

 private:
  void switch_style(const InlineStyle& style);
  void open_tags(const InlineStyle& style, int from_level);
  void close_tags(int down_to_level);
  void markup(std::string_view html, const InlineStyle& style);

  std::string html_;
  InlineStyle open_;  // the formatting whose tags are open
  MarkerTracker markers_;
  bool empty_ = true;
  bool shown_ = false;
  bool visible_text_ = false;
};

}  // namespace host::html_export
