// Writes the body of the exported page block by block: paragraphs as <P>,
// headings as <H1>..<H6>, list items inside <UL> or <OL>, and table cells
// inside <TABLE>, <TR> and <TD>. Every block starts on a line of its own.
#pragma once
#include <string>
#include <vector>

#include "host/export/inline_html.h"
#include "rtf/formatting.h"

namespace host::html_export {

// Deepest list nesting written; deeper items join the deepest list.
constexpr int kMaxListDepth = 9;

// What a paragraph becomes.
struct BlockFormat {
  int heading = 0;  // 1..6 for <H1>..<H6>, 0 otherwise
  rtf::ListKind list = rtf::ListKind::none;
  int list_level = 0;
  bool in_table = false;
  rtf::Alignment alignment = rtf::Alignment::left;
};

class BodyWriter {
 public:
  // row is the reader's current table row definition (cell widths).
  explicit BodyWriter(const rtf::RowFormat& row) : row_(row) {}

  // A paragraph ended by a paragraph mark.
  void paragraph(const ParagraphHtml& content, const BlockFormat& format);
  // A cell ended; content is the cell's last paragraph.
  void end_cell(const ParagraphHtml& content, const BlockFormat& format);
  // A table row ended.
  void end_row();
  // Closes whatever is open; the body is complete.
  void finish();
  const std::string& html() const { return html_; }

 private:
  void enter_context(const BlockFormat& format);
  void open_cell();
  void close_cell();
  void close_table();
  void set_lists(const BlockFormat& format);
  void close_lists();
  void close_lists_to(std::size_t depth);
  // bare: a plain paragraph without its <P> (a cell's last paragraph).
  void write_block(const ParagraphHtml& content, const BlockFormat& format, bool bare = false);
  void line(std::string_view text);

  const rtf::RowFormat& row_;
  std::string html_;
  std::vector<rtf::ListKind> lists_;  // open <UL>/<OL>, outermost first
  bool table_open_ = false;
  bool row_open_ = false;
  bool cell_open_ = false;
  bool cell_has_content_ = false;
  std::size_t cell_index_ = 0;
};

}  // namespace host::html_export
