#include "tools/helpc/hlp/topic_builder.h"

#include <algorithm>

#include "platform/text.h"
#include "tools/helpc/footnotes.h"
#include "tools/helpc/hlp/embedded_window.h"

namespace hlp {
namespace {

constexpr std::size_t kMaxFootnote = 4096;
constexpr std::string_view kFootnoteMarks = "#$K+!>A*@";

bool blank(std::string_view bytes) { return text::trim(bytes).empty(); }

ParagraphSettings settings_of(const rtf::ParaFormat& para) {
  ParagraphSettings out;
  out.alignment = para.alignment == rtf::Alignment::center  ? ParagraphAlignment::center
                  : para.alignment == rtf::Alignment::right ? ParagraphAlignment::right
                                                            : ParagraphAlignment::left;
  out.space_before = para.space_before;
  out.space_after = para.space_after;
  out.left_indent = para.left_indent;
  out.right_indent = para.right_indent;
  out.first_indent = para.first_indent;
  return out;
}

}  // namespace

int TopicBuilder::descriptor_of(const rtf::CharFormat& format) {
  FontDescriptor d;
  if (format.bold) d.attributes |= kFontBold;
  if (format.italic) d.attributes |= kFontItalic;
  // Hotspot text loses these once its target is known (the viewer marks
  // hotspots itself); without a target the text shows as written.
  if (format.strike) d.attributes |= kFontStrike;
  if (format.underline == rtf::Underline::single) d.attributes |= kFontUnderline;
  if (format.underline == rtf::Underline::double_line) d.attributes |= kFontDoubleUnderline;
  d.half_points = static_cast<std::uint8_t>(std::clamp(format.size, 1, 255));
  d.face = reader_.header().font_name(format.font);
  if (d.face.empty()) d.face = reader_.header().font_name(reader_.header().default_font);
  if (d.face.empty()) d.face = "Arial";
  d.rgb = reader_.header().color(format.color).value_or(0);
  return fonts_.descriptor(d);
}

void TopicBuilder::text(std::string_view bytes, const rtf::CharFormat& format) {
  if (in_footnote_) {
    if (footnote_text_.size() < kMaxFootnote) footnote_text_.append(bytes.substr(0, kMaxFootnote - footnote_text_.size()));
    return;
  }
  if (format.hidden) {
    if (pending_hotspot_) {
      collecting_target_ = true;
      target_.append(bytes);
    }
    return;
  }
  // A single superscript footnote mark is held back: if a footnote follows,
  // it is the footnote's reference and not topic text.
  if (format.superscript && bytes.size() == 1 && kFootnoteMarks.find(bytes[0]) != std::string_view::npos) {
    flush_mark();
    pending_mark_ = std::string(bytes);
    mark_format_ = format;
    return;
  }
  flush_mark();
  body_text(bytes, format);
}

void TopicBuilder::unicode_char(std::uint32_t, const rtf::CharFormat& format) {
  text("?", format);  // the document's code page has no such character
}

void TopicBuilder::flush_mark() {
  if (pending_mark_.empty()) return;
  std::string mark = std::move(pending_mark_);
  pending_mark_.clear();
  body_text(mark, mark_format_);
}

void TopicBuilder::body_text(std::string_view bytes, const rtf::CharFormat& format) {
  if (collecting_target_) finish_hotspot();
  if (helpc::is_hotspot_format(format)) {
    if (!pending_hotspot_) {
      pending_hotspot_ = true;
      pending_kind_ = helpc::hotspot_kind_of(format);
      hotspot_fonts_from_ = paragraph_.size();
      if (font_ != descriptor_of(format)) {
        font_ = descriptor_of(format);
        paragraph_.font(font_);
      }
      hotspot_at_ = paragraph_.mark();
    }
  } else if (!blank(bytes)) {
    pending_hotspot_ = false;
  }
  if (!blank(bytes)) has_content_ = true;
  // Brace text ("{bmc name}", "{button ...}") is gathered until "}".
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '{' && !in_braces_) {
      emit(bytes.substr(start, i - start), format);
      in_braces_ = true;
      brace_text_.clear();
      brace_format_ = format;
      start = i + 1;
    } else if (c == '}' && in_braces_) {
      brace_text_.append(bytes.substr(start, i - start));
      in_braces_ = false;
      start = i + 1;
      brace_closed();
    }
  }
  if (in_braces_) {
    brace_text_.append(bytes.substr(start));
  } else {
    emit(bytes.substr(start), format);
  }
}

// Text with tabs made into tab commands.
void TopicBuilder::emit(std::string_view bytes, const rtf::CharFormat& format) {
  std::size_t start = 0;
  for (std::size_t tab = bytes.find('\t'); tab != std::string_view::npos; tab = bytes.find('\t', start)) {
    emit_plain(bytes.substr(start, tab - start), format);
    paragraph_.tab();
    start = tab + 1;
  }
  emit_plain(bytes.substr(start), format);
}

void TopicBuilder::emit_plain(std::string_view bytes, const rtf::CharFormat& format) {
  if (bytes.empty()) return;
  int wanted = descriptor_of(format);
  if (wanted != font_) {
    paragraph_.font(wanted);
    font_ = wanted;
  }
  paragraph_.text(bytes);
}

// A bitmap reference becomes its picture, a button or embedded window its
// window; media are reported as left out; other brace text is text.
void TopicBuilder::brace_closed() {
  if (auto name = helpc::bitmap_reference(brace_text_)) {
    auto place = picture_place(brace_text_);
    std::string command = pictures_ && place ? pictures_(*place, *name) : std::string();
    if (command.empty()) return;
    has_content_ = true;
    paragraph_.picture(std::move(command));
    return;
  }
  if (auto window = embedded_window(brace_text_)) {
    has_content_ = true;
    paragraph_.picture(embedded_window_command(*window));
    return;
  }
  if (is_media_command(brace_text_)) {
    topic_.left_out.push_back("{" + brace_text_ + "}");
    return;
  }
  emit("{" + brace_text_ + "}", brace_format_);
}

void TopicBuilder::finish_hotspot() {
  helpc::HotspotTarget target = helpc::parse_hotspot_target(target_);
  helpc::HotspotKind kind = target.macro ? helpc::HotspotKind::macro : pending_kind_;
  if (target.macro) target.context = std::string(text::trim(target_));
  std::string command = blank(target_) ? std::string() : resolve_(kind, target);
  if (!command.empty()) {
    paragraph_.hotspot(hotspot_at_, std::move(command));
    paragraph_.refont(hotspot_fonts_from_, [this](int number) {
      FontDescriptor plain = fonts_.at(number);
      plain.attributes &= static_cast<std::uint8_t>(~kFontLinkAttributes);
      return fonts_.descriptor(plain);
    });
    font_ = -1;  // the text after it states its font again
  }
  target_.clear();
  collecting_target_ = false;
  pending_hotspot_ = false;
}

void TopicBuilder::line_break(const rtf::CharFormat&) {
  if (in_footnote_) return;
  flush_mark();
  if (collecting_target_) finish_hotspot();
  pending_hotspot_ = false;
  paragraph_.line_break();
}

void TopicBuilder::end_paragraph(const rtf::ParaFormat& para) {
  if (in_footnote_) return;
  flush_mark();
  if (collecting_target_) finish_hotspot();
  pending_hotspot_ = false;
  if (in_braces_) {
    in_braces_ = false;
    emit("{" + brace_text_, brace_format_);
  }
  // A paragraph that held only footnotes shows nothing.
  if (!(paragraph_.empty() && paragraph_has_footnote_)) {
    // A kept paragraph after a scrolling one scrolls with it.
    if (para.keep_with_next && topic_.non_scrolling == topic_.paragraphs.size()) ++topic_.non_scrolling;
    topic_.paragraphs.push_back(paragraph_.render(settings_of(para)));
  }
  paragraph_ = Paragraph{};
  font_ = -1;
  paragraph_has_footnote_ = false;
}

void TopicBuilder::page_break() {
  if (in_footnote_) return;
  end_topic();
  ++page_;
}

void TopicBuilder::finish() {
  if (in_footnote_) footnote_end();
  end_topic();
}

void TopicBuilder::end_topic() {
  if (!paragraph_.empty()) end_paragraph(reader_.paragraph());
  // Trailing empty paragraphs before the page break show nothing.
  if (has_content_) {
    topic_.number = page_;
    on_topic_(topic_);
  }
  topic_ = TopicText{};
  paragraph_ = Paragraph{};
  font_ = -1;
  has_content_ = false;
  paragraph_has_footnote_ = false;
  pending_mark_.clear();
}

void TopicBuilder::footnote_begin() {
  footnote_mark_ = pending_mark_.empty() ? 0 : pending_mark_[0];
  pending_mark_.clear();
  if (collecting_target_) finish_hotspot();
  pending_hotspot_ = false;
  in_footnote_ = true;
  footnote_text_.clear();
}

void TopicBuilder::footnote_end() {
  in_footnote_ = false;
  paragraph_has_footnote_ = true;
  has_content_ = true;
  take_footnote();
}

void TopicBuilder::take_footnote() {
  helpc::Footnote note = helpc::read_footnote(footnote_text_, footnote_mark_);
  switch (note.mark) {
    case '#': topic_.contexts.push_back(note.value); break;
    case '$': topic_.title = note.value; break;
    case 'K': for (auto& k : helpc::keyword_list(note.value)) topic_.keywords.push_back(std::move(k)); break;
    case 'A': for (auto& k : helpc::keyword_list(note.value)) topic_.a_keywords.push_back(std::move(k)); break;
    case '!': topic_.macros.push_back(note.value); break;
    case '+': topic_.browse = note.value; break;
    case '>': topic_.window = note.value; break;
    default: break;
  }
}

}  // namespace hlp
