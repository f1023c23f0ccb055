#include "html/pages/heading_step.h"

#include "html/text/html_text.h"
#include "html/text/markup.h"
#include "html/framing/page_framer.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

constexpr int kHeadingLevels = 6;
constexpr std::string_view kTopLeft =
    "<A HREF=\"#topofpage\"><IMG SRC=\"top.gif\" BORDER=0 ALIGN=LEFT></A>";
constexpr std::string_view kTopRight =
    "<A HREF=\"#topofpage\"><IMG SRC=\"top.gif\" BORDER=0 ALIGN=RIGHT></A>";

// "<H" and a digit 1-9, at or after from.
std::size_t find_heading(std::string_view buffer, std::size_t from) {
  for (std::size_t at = find_nocase(buffer, "<H", from); at != kNoPos;
       at = find_nocase(buffer, "<H", at + 1)) {
    if (at + 2 < buffer.size() && buffer[at + 2] >= '1' && buffer[at + 2] <= '9') return at;
  }
  return kNoPos;
}

void erase_tags_nocase(std::string& html, std::string_view opener) {
  for (std::size_t at = find_nocase(html, opener); at != kNoPos;
       at = find_nocase(html, opener, at)) {
    std::size_t end = tag_end(html, at);
    if (end == kNoPos) return;
    html.erase(at, end + 1 - at);
  }
}

bool is_blank(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

// A line break inside a heading becomes one blank, so that the words on
// either side stay apart; none is added next to a blank already there.
void breaks_to_blanks(std::string& inner) {
  for (std::size_t at = find_nocase(inner, "<BR"); at != kNoPos; at = find_nocase(inner, "<BR", at)) {
    std::size_t end = tag_end(inner, at);
    if (end == kNoPos) return;
    if (end != at + 3) {  // "<BRx...": another tag
      at = end;
      continue;
    }
    bool blank_near = (at > 0 && is_blank(inner[at - 1])) || (end + 1 < inner.size() && is_blank(inner[end + 1]));
    inner.replace(at, end + 1 - at, blank_near ? "" : " ");
  }
}

// Where the rest of the heading's line ends: at its line end, or where a
// further heading on the same line starts.
std::size_t rest_of_line_end(std::string_view buffer, std::size_t from) {
  std::size_t end = buffer.find_first_of("\r\n", from);
  if (end == std::string_view::npos) end = buffer.size();
  return std::min(end, find_heading(buffer, from));
}

// Removes the heading's own character formatting before the record's.
void remove_formatting(std::string& inner) {
  for (std::string_view tag : {"<B>", "</B>", "<I>", "</I>", "<TT>", "</TT>"}) {
    for (std::size_t at = find_nocase(inner, tag); at != kNoPos; at = find_nocase(inner, tag, at))
      inner.erase(at, tag.size());
  }
  erase_tags_nocase(inner, "<FONT");
  erase_tags_nocase(inner, "</FONT");
}

struct Formatting {
  std::string open, close;
};

Formatting record_formatting(const wizard::HeadingFormat& r) {
  Formatting f;
  if (r.bold != 0) f.open += "<B>";
  if (r.italic != 0) f.open += "<I>";
  if (r.fixed != 0) f.open += "<TT>";
  f.open += r.size_change < 0 ? text::format("<FONT SIZE=%d>", r.size_change)
                              : text::format("<FONT SIZE=+%d>", r.size_change);
  f.open += "<FONT COLOR=\"" + html_colour(r.colour) + "\">";
  if (!r.face.empty()) {
    f.open += "<FONT FACE=\"" + r.face + "\">";
    f.close += "</FONT>";
  }
  f.close += "</FONT></FONT>";
  if (r.fixed != 0) f.close += "</TT>";
  if (r.italic != 0) f.close += "</I>";
  if (r.bold != 0) f.close += "</B>";
  return f;
}

std::string opening_tag(const wizard::HeadingFormat& r, int level, std::string_view own) {
  if (r.set_alignment == 0) return std::string(own);
  static constexpr const char* kAlign[] = {"", " ALIGN=CENTER", " ALIGN=RIGHT"};
  int a = (r.alignment >= 0 && r.alignment <= 2) ? r.alignment : 0;
  return text::format("<H%d%s>", level, kAlign[a]);
}

}  // namespace

std::string heading_rule(const wizard::RuleOptions& rule, int alignment) {
  static constexpr const char* kParagraphAlign[] = {"", " ALIGN=CENTER", " ALIGN=RIGHT"};
  static constexpr const char* kRuleAlign[] = {"", "ALIGN=CENTER", "ALIGN=RIGHT"};
  int a = (alignment >= 0 && alignment <= 2) ? alignment : 0;
  if (rule.use_graphic != 0 && !rule.graphic.empty())
    return text::format("<P%s><IMG SRC=\"%s\" BORDER=0></P>", kParagraphAlign[a],
                        std::string(platform::file_name_of(rule.graphic)).c_str());
  return text::format("<P><HR SIZE=%d %s WIDTH=%s></P>", rule.height, kRuleAlign[a],
                      rule.width.c_str());
}

void remove_heading_bookmarks(std::string& html) {
  for (std::size_t at = find_nocase(html, "<A NAME="); at != kNoPos;
       at = find_nocase(html, "<A NAME=", at)) {
    std::size_t name = at + 8;
    if (name < html.size() && html[name] == '"') ++name;
    std::string_view value = std::string_view(html).substr(name);
    bool own = value.starts_with("_Toc") || value.starts_with("_Ref") || value.starts_with("B_Ref");
    std::size_t end = tag_end(html, at);
    if (!own || end == kNoPos) {
      at += 8;
      continue;
    }
    html.erase(at, end + 1 - at);
    std::size_t close = find_nocase(html, "</A>", at);
    if (close != kNoPos) html.erase(close, 4);
  }
}

HeadingStep::HeadingStep(const wizard::PageSettings& s, bool long_document)
    : s_(s), long_document_(long_document) {}

void HeadingStep::apply(std::string& buffer, ReadOn& more) {
  std::size_t from = 0;
  for (std::size_t at = find_heading(buffer, from); at != kNoPos; at = find_heading(buffer, from))
    from = convert(buffer, from, at, more);
}

std::string HeadingStep::layout_before(int placement) {
  std::string out =
      layout_open_ ? "</TD>\r\n</TR>\r\n" : "<TABLE BORDER=0 CELLPADDING=5 WIDTH=\"100%\" >\r\n";
  layout_open_ = true;
  if (placement == 1)
    return out + text::format("<TR>\r\n<TD VALIGN=TOP WIDTH=\"%d\">\r\n", s_.wdmgn1.margin_width);
  return out + "<TR>\r\n<TD VALIGN=TOP COLSPAN=\"2\" WIDTH=\"100%\">\r\n";
}

std::string HeadingStep::layout_after(int placement) const {
  if (placement == 1) return "\r\n</TD>\r\n<TD>";
  return text::format("\r\n</TD></TR>\r\n<TR>\r\n<TD VALIGN=TOP WIDTH=\"%d\">\r\n</TD>\r\n<TD>",
                      s_.wdmgn1.margin_width);
}

// Converts the heading at `at`; returns where the search for the next goes on.
std::size_t HeadingStep::convert(std::string& buffer, std::size_t from, std::size_t at,
                                 ReadOn& more) {
  std::size_t close = read_on_until(more, buffer, at + 3, "</H");
  std::size_t open_end = tag_end(buffer, at);
  if (close == kNoPos || open_end == kNoPos || open_end > close) return at + 3;
  read_on_until(more, buffer, close, ">");
  std::size_t close_end = tag_end(buffer, close);
  if (close_end == kNoPos) return at + 3;

  int level = buffer[at + 2] - '0';
  wizard::HeadingFormat r = level <= kHeadingLevels ? s_.headings[level] : wizard::HeadingFormat{};
  int placement = level <= kHeadingLevels ? s_.wdmgn1.placement[level - 1] : 0;
  bool in_layout = s_.wdmgn1.headings_in_margin != 0 && placement != 0;

  std::string inner = buffer.substr(open_end + 1, close - open_end - 1);
  breaks_to_blanks(inner);
  for (char& c : inner)
    if (static_cast<unsigned char>(c) == 160) c = ' ';
  if (r.set_format != 0) remove_formatting(inner);
  remove_heading_bookmarks(inner);
  Formatting f = r.set_format != 0 ? record_formatting(r) : Formatting{};

  std::string before = buffer.substr(from, at - from);
  if (in_layout) before += layout_before(placement);
  if (r.rule_before != 0) before += heading_rule(s_.rule0, r.rule_alignment);
  if (r.top_button == 1) before += kTopLeft;

  std::string after;
  if (r.top_button == 2) after += kTopRight;
  if (r.rule_after != 0) after += heading_rule(s_.rule0, r.rule_alignment);
  if (in_layout) after += layout_after(placement);
  if (long_document_ && s_.wdmgn1.headings_in_margin == 0 && !marker_placed_ &&
      level == s_.ltmin - 1) {
    after += "\r\n" + std::string(kLocalTocMarker) + "\r\n";
    marker_placed_ = true;
  }

  // The closing tag keeps the rest of its line; the top link and the rule
  // follow that.
  std::size_t rest_end = rest_of_line_end(buffer, close_end + 1);
  std::string heading =
      before + "\r\n" +
      opening_tag(r, level, std::string_view(buffer).substr(at, open_end + 1 - at)) + f.open +
      text::format("<A NAME=\"T%d\">", counter_) + inner + "</A>" + f.close +
      buffer.substr(close, rest_end - close) + after;
  toc_.add(level, counter_, inner);
  ++counter_;
  buffer.replace(from, rest_end - from, heading);
  return from + heading.size();
}

}  // namespace html
