#include "host/export/body_writer.h"

#include <algorithm>
#include <cstdint>

#include "host/export/html_text.h"
#include "host/export/line_wrap.h"

namespace host::html_export {

namespace {

// Twips per screen pixel at 96 pixels an inch.
constexpr int kTwipsPerPixel = 15;

std::string align_attribute(rtf::Alignment alignment) {
  switch (alignment) {
    case rtf::Alignment::center: return " ALIGN=\"CENTER\"";
    case rtf::Alignment::right: return " ALIGN=\"RIGHT\"";
    case rtf::Alignment::justify: return " ALIGN=\"JUSTIFY\"";
    default: return "";
  }
}

// Widths in 64 bits: a document's \trleft and \cellx may be any 32-bit
// values, and their differences and percentages must not overflow.
std::int64_t row_width(const rtf::RowFormat& row) {
  return row.cell_right.empty() ? 0 : std::int64_t{row.cell_right.back()} - row.left;
}

// The cell's share of the row in whole percent, rounded, at least 1.
int cell_percent(std::int64_t cell, std::int64_t total) {
  return static_cast<int>(std::clamp<std::int64_t>((2 * 100 * cell + total) / (2 * total), 1, 100));
}

}  // namespace

void BodyWriter::line(std::string_view text) {
  html_ += text;
  html_ += kLineEnd;
}

void BodyWriter::paragraph(const ParagraphHtml& content, const BlockFormat& format) {
  enter_context(format);
  if (!content.empty && !content.shown) return;  // only hidden text or pictures
  write_block(content, format);
}

void BodyWriter::end_cell(const ParagraphHtml& content, const BlockFormat& format) {
  BlockFormat in_cell = format;
  in_cell.in_table = true;
  enter_context(in_cell);
  // A cell's closing mark ends an empty last paragraph after its content; an
  // empty cell still gets a blank so that it keeps its frame.
  bool skip = content.empty ? cell_has_content_ : !content.shown;
  // The cell's last paragraph stands bare in the cell, as older exports
  // wrote it: a paragraph block would add an empty line under the text once
  // the cell's closing tag gets its blank.
  if (!skip) write_block(content, in_cell, true);
  close_cell();
}

void BodyWriter::end_row() {
  if (!table_open_) return;
  close_cell();
  // A row keeps as many cells as it defines, even when fewer were ended.
  while (row_open_ && cell_index_ < row_.cell_right.size()) {
    open_cell();
    line("&nbsp;");
    close_cell();
  }
  if (row_open_) line("</TR>");
  row_open_ = false;
  cell_index_ = 0;
}

void BodyWriter::finish() {
  if (table_open_) close_table();
  close_lists();
}

void BodyWriter::enter_context(const BlockFormat& format) {
  if (!format.in_table) {
    if (table_open_) close_table();
    return;
  }
  if (!table_open_) {
    close_lists();
    std::int64_t width = row_width(row_) / kTwipsPerPixel;
    line("<TABLE BORDER CELLSPACING=1 CELLPADDING=7" +
         (width > 0 ? " WIDTH=" + std::to_string(width) : std::string()) + ">");
    table_open_ = true;
  }
  if (!row_open_) {
    line("<TR>");
    row_open_ = true;
    cell_index_ = 0;
  }
  if (!cell_open_) open_cell();
}

void BodyWriter::open_cell() {
  std::string tag = "<TD";
  std::int64_t total = row_width(row_);
  if (total > 0 && cell_index_ < row_.cell_right.size()) {
    std::int64_t left = cell_index_ == 0 ? row_.left : row_.cell_right[cell_index_ - 1];
    int percent = cell_percent(row_.cell_right[cell_index_] - left, total);
    tag += " WIDTH=\"" + std::to_string(percent) + "%\"";
  }
  line(tag + " VALIGN=\"TOP\">");
  cell_open_ = true;
  cell_has_content_ = false;
}

void BodyWriter::close_cell() {
  if (!cell_open_) return;
  close_lists();
  line("</TD>");
  cell_open_ = false;
  ++cell_index_;
}

void BodyWriter::close_table() {
  close_cell();
  if (row_open_) line("</TR>");
  line("</TABLE>");
  table_open_ = row_open_ = false;
}

void BodyWriter::set_lists(const BlockFormat& format) {
  std::size_t depth = static_cast<std::size_t>(std::clamp(format.list_level + 1, 1, kMaxListDepth));
  while (lists_.size() > depth) close_lists_to(lists_.size() - 1);
  if (lists_.size() == depth && lists_.back() != format.list) close_lists_to(depth - 1);
  while (lists_.size() < depth) {
    line(format.list == rtf::ListKind::numbered ? "<OL>" : "<UL>");
    lists_.push_back(format.list);
  }
}

void BodyWriter::close_lists() { close_lists_to(0); }

void BodyWriter::close_lists_to(std::size_t depth) {
  while (lists_.size() > depth) {
    line(lists_.back() == rtf::ListKind::numbered ? "</OL>" : "</UL>");
    lists_.pop_back();
  }
}

void BodyWriter::write_block(const ParagraphHtml& content, const BlockFormat& format, bool bare) {
  if (cell_open_) cell_has_content_ = true;
  std::string open;
  std::string close;
  if (format.heading > 0) {
    close_lists();
    std::string level = std::to_string(format.heading);
    open = "<H" + level + align_attribute(format.alignment) + ">";
    close = "</H" + level + ">";
  } else if (format.list != rtf::ListKind::none) {
    set_lists(format);
    open = "<LI>";
    close = "</LI>";
  } else if (!bare || format.alignment != rtf::Alignment::left) {
    close_lists();
    open = "<P" + align_attribute(format.alignment) + ">";
    close = "</P>";
  } else {
    close_lists();
  }
  std::vector<Span> markers = content.markers;
  for (Span& span : markers) span.begin += open.size(), span.end += open.size();
  std::string block = open + (content.empty ? std::string("&nbsp;") : content.html) + close;
  line(wrap_line(block, std::move(markers)));
}

}  // namespace host::html_export
