// Turns what the RTF reader reports into the HTML body: drops what the
// word processor's export does not show (hidden text, footnotes, pictures)
// and maps character and paragraph formatting to tags.
#pragma once
#include <string>

#include "host/export/body_writer.h"
#include "host/export/inline_html.h"
#include "rtf/reader.h"

namespace host::html_export {

class HtmlSink : public rtf::Sink {
 public:
  // reader is the reader this sink will be run by (fonts, styles, table rows).
  explicit HtmlSink(const rtf::Reader& reader) : reader_(reader), body_(reader.row()) {}

  void text(std::string_view bytes, const rtf::CharFormat& format) override;
  void unicode_char(std::uint32_t code_point, const rtf::CharFormat& format) override;
  void line_break(const rtf::CharFormat& format) override;
  void paragraph_end(const rtf::ParaFormat& para) override;
  void cell_end(const rtf::ParaFormat& para) override;
  void row_end(const rtf::RowFormat& row) override;
  void footnote_begin() override { ++footnote_depth_; }
  void footnote_end() override { --footnote_depth_; }
  void picture(const rtf::Picture& picture) override;

  // Ends the last paragraph and closes every open block; the body's HTML.
  std::string finish();

 private:
  bool hidden(const rtf::CharFormat& format);
  InlineStyle style(const rtf::CharFormat& format) const;
  BlockFormat block(const rtf::ParaFormat& para) const;
  int heading_level(const rtf::ParaFormat& para) const;

  const rtf::Reader& reader_;
  InlineHtml inline_;
  BodyWriter body_;
  int footnote_depth_ = 0;
};

}  // namespace host::html_export
