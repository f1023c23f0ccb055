#include "host/export/html_sink.h"

#include "host/export/html_text.h"
#include "platform/text.h"

namespace host::html_export {

namespace {

// The conversion library's page marker; a new topic starts there.
constexpr std::string_view kPageMarker = "~~~pg";
constexpr int kMaxHeading = 6;

}  // namespace

bool HtmlSink::hidden(const rtf::CharFormat& format) {
  if (footnote_depth_ > 0) return true;
  if (format.hidden) inline_.hidden_content();
  return format.hidden;
}

void HtmlSink::text(std::string_view bytes, const rtf::CharFormat& format) {
  if (hidden(format)) return;
  InlineStyle shown = style(format);
  // The page splitter takes a page marker for the start of a new page and
  // moves the whole line it is on there, so a page marker after other text
  // starts a new paragraph (and so a new line).
  for (std::size_t at = bytes.find(kPageMarker); at != std::string_view::npos; at = bytes.find(kPageMarker)) {
    inline_.text(bytes.substr(0, at), shown);
    if (inline_.has_visible_text()) body_.paragraph(inline_.finish(), block(reader_.paragraph()));
    inline_.text(bytes.substr(at, kPageMarker.size()), shown);
    bytes.remove_prefix(at + kPageMarker.size());
  }
  inline_.text(bytes, shown);
}

void HtmlSink::unicode_char(std::uint32_t code_point, const rtf::CharFormat& format) {
  if (!hidden(format)) inline_.character_reference(code_point, style(format));
}

void HtmlSink::line_break(const rtf::CharFormat& format) {
  if (!hidden(format)) inline_.line_break(style(format));
}

void HtmlSink::picture(const rtf::Picture&) {
  if (footnote_depth_ == 0) inline_.hidden_content();
}

void HtmlSink::paragraph_end(const rtf::ParaFormat& para) {
  if (footnote_depth_ == 0) body_.paragraph(inline_.finish(), block(para));
}

void HtmlSink::cell_end(const rtf::ParaFormat& para) {
  if (footnote_depth_ == 0) body_.end_cell(inline_.finish(), block(para));
}

void HtmlSink::row_end(const rtf::RowFormat&) {
  if (footnote_depth_ > 0) return;
  if (!inline_.empty()) {
    BlockFormat in_table = block(reader_.paragraph());
    in_table.in_table = true;
    body_.paragraph(inline_.finish(), in_table);
  }
  body_.end_row();
}

std::string HtmlSink::finish() {
  if (!inline_.empty()) body_.paragraph(inline_.finish(), block(reader_.paragraph()));
  body_.finish();
  return body_.html();
}

InlineStyle HtmlSink::style(const rtf::CharFormat& format) const {
  const rtf::Header& header = reader_.header();
  InlineStyle out;
  if (format.font != header.default_font) out.face = header.font_name(format.font);
  int size = html_font_size(format.size);
  if (size != html_font_size(rtf::kDefaultFontSize)) out.size = size;
  if (auto rgb = header.color(format.color)) out.color = html_color(*rgb);
  out.bold = format.bold;
  out.italic = format.italic;
  out.underline = format.underline != rtf::Underline::none;
  return out;
}

BlockFormat HtmlSink::block(const rtf::ParaFormat& para) const {
  BlockFormat out;
  out.heading = heading_level(para);
  out.list = para.list;
  out.list_level = para.list_level;
  out.in_table = para.in_table;
  out.alignment = para.alignment;
  return out;
}

// Headings come from the paragraph's outline level, else from its style: a
// style named "heading N" (aliases after a comma ignored), or a style with an
// outline level.
int HtmlSink::heading_level(const rtf::ParaFormat& para) const {
  if (para.outline_level >= 0) return para.outline_level < kMaxHeading ? para.outline_level + 1 : 0;
  const rtf::Style* style = reader_.header().style(para.style);
  if (style == nullptr) return 0;
  std::string_view name = std::string_view(style->name).substr(0, style->name.find(','));
  name = text::trim(name);
  if (name.size() == 9 && text::istarts_with(name, "heading ") && name[8] >= '1' &&
      name[8] <= '0' + kMaxHeading) {
    return name[8] - '0';
  }
  if (style->outline_level >= 0 && style->outline_level < kMaxHeading) return style->outline_level + 1;
  return 0;
}

}  // namespace host::html_export
