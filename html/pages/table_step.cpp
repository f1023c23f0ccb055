#include "html/pages/table_step.h"

#include "html/text/markup.h"
#include "platform/text.h"

namespace html {

namespace {

// "ftabfont": what happens to the export's fonts inside tables.
constexpr int kRemoveFonts = 1;
constexpr int kSetFont = 2;

bool starts_tag(std::string_view buffer, std::size_t at, std::string_view name) {
  if (at + name.size() > buffer.size()) return false;
  if (!text::iequals(buffer.substr(at, name.size()), name)) return false;
  if (at + name.size() == buffer.size()) return true;
  char next = buffer[at + name.size()];
  return next == ' ' || next == '>' || next == '\r' || next == '\n' || next == '\t';
}

// Splits a tag's attributes at blanks outside quotes.
std::vector<std::string> attributes(std::string_view inside) {
  std::vector<std::string> out;
  std::string current;
  char quote = 0;
  for (char c : inside) {
    if (quote == 0 && (c == ' ' || c == '\r' || c == '\n' || c == '\t')) {
      if (!current.empty()) out.push_back(std::move(current));
      current.clear();
      continue;
    }
    if (c == '"') quote = quote == 0 ? c : 0;
    current += c;
  }
  if (!current.empty()) out.push_back(std::move(current));
  return out;
}

bool named(std::string_view attribute, std::string_view name) {
  std::string_view key = attribute.substr(0, attribute.find('='));
  return text::iequals(key, name);
}

std::string table_font_tag(const wizard::PageSettings& s) {
  std::string tag = "<FONT";
  if (!s.tabfsize.empty()) tag += " SIZE=\"" + s.tabfsize + "\"";
  if (!s.tabfface.empty()) tag += " FACE=\"" + s.tabfface + "\"";
  return tag + ">";
}

}  // namespace

TableStep::TableStep(const wizard::PageSettings& s) : s_(s) {
  if (s.ftabfont == kSetFont) font_tag_ = table_font_tag(s);
}

void TableStep::apply(std::string& buffer, ReadOn& more) {
  bool marked = buffer.find(kNoFormatMark) != std::string::npos;
  for (std::size_t at = buffer.find('<'); at != std::string::npos; at = buffer.find('<', at)) {
    if (starts_tag(buffer, at, "<TABLE")) {
      open_.push_back(marked);
      at = marked ? at + 1 : table_tag(buffer, at, more);
    } else if (starts_tag(buffer, at, "</TABLE")) {
      if (!open_.empty()) open_.pop_back();
      ++at;
    } else if (!marked && inside()) {
      at = cell_tag(buffer, at);
    } else {
      ++at;
    }
  }
}

// Rebuilds a TABLE tag with the project's attributes; returns where to go on.
std::size_t TableStep::table_tag(std::string& buffer, std::size_t at, ReadOn& more) {
  read_on_until(more, buffer, at, ">");
  std::size_t end = tag_end(buffer, at);
  if (end == kNoPos) return at + 1;
  const wizard::TableOptions& t = s_.tabv;
  std::string tag = "<TABLE";
  for (const std::string& a : attributes(std::string_view(buffer).substr(at + 6, end - at - 6))) {
    if (named(a, "BORDER") || named(a, "CELLSPACING") || named(a, "CELLPADDING")) continue;
    if ((t.set_border_colour != 0 && named(a, "BORDERCOLOR")) ||
        (t.set_width != 0 && named(a, "WIDTH")))
      continue;
    tag += " " + a;
  }
  tag += text::format(" BORDER=%d CELLSPACING=%d CELLPADDING=%d", t.border, t.spacing, t.padding);
  if (t.set_width != 0) tag += text::format(" WIDTH=\"%d%%\"", t.width_percent);
  if (t.set_border_colour != 0) tag += " BORDERCOLOR=\"" + html_colour(t.border_colour) + "\"";
  tag += ">";
  buffer.replace(at, end + 1 - at, tag);
  return at + tag.size();
}

// Fonts, cells and cell ends inside a table; returns where to go on.
std::size_t TableStep::cell_tag(std::string& buffer, std::size_t at) {
  if (s_.ftabfont >= kRemoveFonts &&
      (starts_tag(buffer, at, "<FONT") || starts_tag(buffer, at, "</FONT"))) {
    std::size_t end = tag_end(buffer, at);
    if (end != kNoPos) buffer.erase(at, end + 1 - at);
    return end == kNoPos ? at + 1 : at;
  }
  if (starts_tag(buffer, at, "<TD")) {
    std::size_t end = tag_end(buffer, at);
    if (end == kNoPos) return at + 1;
    std::string tag = buffer.substr(at, end - at);
    if (s_.tabv.set_background_colour != 0) {
      std::size_t bg = find_nocase(tag, " BGCOLOR=\"");
      if (bg != kNoPos) {
        std::size_t close = tag.find('"', bg + 10);
        tag.erase(bg, close == std::string::npos ? std::string::npos : close + 1 - bg);
      }
      tag += " BGCOLOR=\"" + html_colour(s_.tabv.background_colour) + "\"";
    }
    tag += ">" + font_tag_;
    buffer.replace(at, end + 1 - at, tag);
    return at + tag.size();
  }
  if (starts_tag(buffer, at, "</TD")) {
    std::string before = s_.tabaddsp != 0 ? "&nbsp;" : "";
    if (s_.ftabfont == kSetFont) before += "</FONT>";
    buffer.insert(at, before);
    return at + before.size() + 1;
  }
  return at + 1;
}

}  // namespace html
