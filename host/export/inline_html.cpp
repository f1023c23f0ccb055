#include "host/export/inline_html.h"

#include "host/export/html_text.h"

namespace host::html_export {

namespace {

// Tag nesting, outermost first.
enum Level { kFont = 0, kBold = 1, kItalic = 2, kUnderline = 3, kLevels = 4 };

bool has_level(const InlineStyle& s, int level) {
  switch (level) {
    case kFont: return s.has_font();
    case kBold: return s.bold;
    case kItalic: return s.italic;
    default: return s.underline;
  }
}

int first_difference(const InlineStyle& a, const InlineStyle& b) {
  if (a.face != b.face || a.size != b.size || a.color != b.color) return kFont;
  if (a.bold != b.bold) return kBold;
  if (a.italic != b.italic) return kItalic;
  if (a.underline != b.underline) return kUnderline;
  return kLevels;
}

std::string font_tag(const InlineStyle& s) {
  std::string tag = "<FONT";
  if (!s.face.empty()) {
    tag += " FACE=\"";
    append_escaped(tag, s.face);
    tag += "\"";
  }
  if (s.size != 0) tag += " SIZE=" + std::to_string(s.size);
  if (!s.color.empty()) tag += " COLOR=\"" + s.color + "\"";
  return tag + ">";
}

}  // namespace

void InlineHtml::switch_style(const InlineStyle& style) {
  int level = first_difference(open_, style);
  if (level == kLevels) return;
  close_tags(level);
  open_tags(style, level);
  open_ = style;
}

void InlineHtml::close_tags(int down_to_level) {
  static constexpr std::string_view kClosers[] = {"</FONT>", "</B>", "</I>", "</U>"};
  for (int level = kLevels - 1; level >= down_to_level; --level) {
    if (has_level(open_, level)) html_ += kClosers[level];
  }
}

void InlineHtml::open_tags(const InlineStyle& style, int from_level) {
  static constexpr std::string_view kOpeners[] = {"", "<B>", "<I>", "<U>"};
  for (int level = from_level; level < kLevels; ++level) {
    if (!has_level(style, level)) continue;
    html_ += level == kFont ? font_tag(style) : std::string(kOpeners[level]);
  }
}

void InlineHtml::text(std::string_view bytes, const InlineStyle& style) {
  empty_ = false;
  if (bytes.empty()) return;
  shown_ = true;
  switch_style(style);
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') continue;  // control bytes have no HTML form
    std::size_t begin = html_.size();
    if (markers_.raw()) {
      html_ += c;
    } else {
      append_escaped(html_, std::string_view(&c, 1));
    }
    markers_.byte(c, begin, html_.size());
    if (c != ' ') visible_text_ = true;
  }
}

void InlineHtml::markup(std::string_view html, const InlineStyle& style) {
  empty_ = false;
  shown_ = true;
  switch_style(style);
  html_ += html;
}

void InlineHtml::character_reference(std::uint32_t code_point, const InlineStyle& style) {
  if (markers_.raw()) {
    // The keyword list's reader takes "&#N;" as one character, not as a ";".
    for (char c : "&#" + std::to_string(code_point) + ";") text(std::string_view(&c, 1), style);
    return;
  }
  markup("&#" + std::to_string(code_point) + ";", style);
  visible_text_ = true;
}

void InlineHtml::line_break(const InlineStyle& style) { markup("<BR>", style); }

ParagraphHtml InlineHtml::finish() {
  close_tags(kFont);
  ParagraphHtml paragraph;
  paragraph.markers = markers_.finish(html_.size());
  paragraph.html = std::move(html_);
  paragraph.empty = empty_;
  paragraph.shown = shown_;
  *this = InlineHtml{};
  return paragraph;
}

}  // namespace host::html_export
