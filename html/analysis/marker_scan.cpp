// Reads a topic file with the RTF reader and hands what it finds to the
// topic and hotspot markers, which collect the edits of the marker file.
#include "html/analysis/marker_rewrite.h"

#include <optional>

#include "html/analysis/hotspot_marks.h"
#include "html/analysis/rtf_edits.h"
#include "html/analysis/topic_marks.h"
#include "rtf/reader.h"

namespace html {

namespace {

bool underlined(const rtf::CharFormat& f) {
  return f.underline == rtf::Underline::single || f.underline == rtf::Underline::double_line ||
         f.strike;
}

bool blank(std::string_view bytes) { return bytes.find_first_not_of(" \t") == std::string_view::npos; }

class MarkerScanner : public rtf::Sink {
 public:
  explicit MarkerScanner(const rtf::Reader& reader)
      : reader_(reader), topics_(reader.input(), edits_), hotspots_(reader.input(), edits_) {}

  void text(std::string_view bytes, const rtf::CharFormat& format) override;
  void unicode_char(std::uint32_t code_point, const rtf::CharFormat& format) override;
  void paragraph_end(const rtf::ParaFormat&) override { block_end(); }
  void cell_end(const rtf::ParaFormat&) override { block_end(); }
  void row_end(const rtf::RowFormat&) override { block_end(); }
  void page_break() override;
  void footnote_begin() override;
  void footnote_end() override;
  void other_word(const rtf::Token& word, const rtf::CharFormat&) override;

  // The edits, once the reader has run.
  const RtfEdits& finish();
  int hotspots() const { return hotspots_.marked(); }
  // Where the "\rtf1" word ends, when the document has one.
  std::optional<std::size_t> after_rtf_word() const { return rtf_word_; }

 private:
  void add(std::string_view bytes, const DocText& text, const rtf::CharFormat& format);
  void block_end();
  int code_page() const { return reader_.header().code_page; }
  // Where the bytes stand in the input; in_place when they are its own bytes.
  SourceSpan source(std::string_view bytes, bool& in_place) const;

  const rtf::Reader& reader_;
  RtfEdits edits_;
  TopicMarks topics_;
  HotspotMarks hotspots_;
  bool in_footnote_ = false;
  std::optional<std::size_t> rtf_word_;
};

SourceSpan MarkerScanner::source(std::string_view bytes, bool& in_place) const {
  std::string_view input = reader_.input();
  const rtf::Token& token = reader_.token();
  // Plain text is the input's own bytes; an escape ("\'e9", "\{") is a whole token.
  in_place = !bytes.empty() && input[token.offset] != '\\' && bytes.data() >= input.data() &&
             bytes.data() + bytes.size() <= input.data() + input.size();
  if (in_place) return {static_cast<std::size_t>(bytes.data() - input.data()), bytes.size()};
  return {token.offset, token.length};
}

void MarkerScanner::text(std::string_view bytes, const rtf::CharFormat& format) {
  DocText text;
  append_bytes(text, bytes, code_page());
  add(bytes, text, format);
}

void MarkerScanner::unicode_char(std::uint32_t code_point, const rtf::CharFormat& format) {
  add({}, DocText(1, static_cast<char32_t>(code_point)), format);
}

void MarkerScanner::add(std::string_view bytes, const DocText& text, const rtf::CharFormat& format) {
  if (in_footnote_) {
    topics_.footnote_text(text);
    return;
  }
  bool in_place = false;
  SourceSpan at = source(bytes, in_place);
  if (format.hidden) {
    hotspots_.hidden_text(at, text, reader_.origin());
    return;
  }
  bool is_blank = !bytes.empty() && blank(bytes);
  // Blanks between a hotspot's text and its hidden target stay outside it.
  if (!(is_blank && hotspots_.waiting() && !underlined(format))) {
    if (hotspots_.has_target() || !underlined(format)) hotspots_.end(reader_.origin(), code_page());
    if (underlined(format)) hotspots_.hotspot_text(at, reader_.origin());
  }
  topics_.visible_text(bytes.empty() ? std::string_view("?") : bytes, at, in_place);
}

void MarkerScanner::block_end() {
  if (in_footnote_) {
    topics_.footnote_text(U" ");
    return;
  }
  hotspots_.end(reader_.origin(), code_page());
  topics_.block_end();
}

void MarkerScanner::page_break() {
  if (in_footnote_) return;
  hotspots_.end(reader_.origin(), code_page());
  topics_.page_break(reader_.token());
}

void MarkerScanner::footnote_begin() {
  hotspots_.end(reader_.origin(), code_page());
  topics_.footnote_begin(reader_.origin().group_open);
  in_footnote_ = true;
}

void MarkerScanner::footnote_end() {
  in_footnote_ = false;
  topics_.footnote_end(reader_.token().offset, code_page());
}

void MarkerScanner::other_word(const rtf::Token& word, const rtf::CharFormat&) {
  if (!in_footnote_ && word.text == "chftn") topics_.numbered_mark({word.offset, word.length});
  if (word.text == "rtf" && !rtf_word_) rtf_word_ = word.offset + word.length;
}

const RtfEdits& MarkerScanner::finish() {
  hotspots_.end(reader_.origin(), code_page());
  return edits_;
}

}  // namespace

std::string rewrite_markers(std::string_view rtf, MarkerCounts* counts, int code_page) {
  rtf::Reader reader(rtf);
  reader.assume_code_page(code_page);
  MarkerScanner scanner(reader);
  reader.run(scanner);
  RtfEdits edits = scanner.finish();
  if (!reader.header().code_page_named && code_page != 1252 && scanner.after_rtf_word())
    edits.insert(*scanner.after_rtf_word(), "\\ansicpg" + std::to_string(code_page) + " ");
  std::string out = edits.apply(rtf);
  if (counts) counts->hotspots = scanner.hotspots();
  return out;
}

}  // namespace html
