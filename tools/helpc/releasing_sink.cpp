#include "tools/helpc/releasing_sink.h"

namespace helpc {

void ReleasingSink::release() {
  const std::size_t at = reader_.offset();
  // Ask only once a whole window more lies behind: a call per token would
  // cost a system call each.
  if (at > file_.released() + 2 * kept_behind_) file_.release_before(at - kept_behind_);
}

void ReleasingSink::text(std::string_view bytes, const rtf::CharFormat& format) {
  inner_.text(bytes, format);
  release();
}
void ReleasingSink::unicode_char(std::uint32_t code_point, const rtf::CharFormat& format) {
  inner_.unicode_char(code_point, format);
  release();
}
void ReleasingSink::other_word(const rtf::Token& word, const rtf::CharFormat& format) {
  inner_.other_word(word, format);
  release();
}
void ReleasingSink::line_break(const rtf::CharFormat& format) {
  inner_.line_break(format);
  release();
}
void ReleasingSink::paragraph_end(const rtf::ParaFormat& para) {
  inner_.paragraph_end(para);
  release();
}
void ReleasingSink::cell_end(const rtf::ParaFormat& para) {
  inner_.cell_end(para);
  release();
}
void ReleasingSink::row_end(const rtf::RowFormat& row) {
  inner_.row_end(row);
  release();
}
void ReleasingSink::page_break() {
  inner_.page_break();
  release();
}
void ReleasingSink::footnote_begin() {
  inner_.footnote_begin();
  release();
}
void ReleasingSink::footnote_end() {
  inner_.footnote_end();
  release();
}
void ReleasingSink::picture(const rtf::Picture& picture) {
  inner_.picture(picture);
  release();
}

}  // namespace helpc
