#include "html/splitter/word2000_filter.h"

#include "html/text/html_text.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

constexpr std::string_view kStyleAttribute = "style='";

bool contains(std::string_view line, std::string_view tag) {
  return text::ifind(line, tag) != std::string_view::npos;
}

}  // namespace

Word2000Filter::Word2000Filter(bool keep_css, std::string css_path)
    : keep_css_(keep_css), css_path_(std::move(css_path)) {}

std::string Word2000Filter::stylesheet_name() const {
  return std::string(platform::file_name_of(css_path_));
}

std::string stylesheet_link(std::string_view name) {
  return "<LINK REL=\"StyleSheet\" HREF=\"" + std::string(name) + "\">\r\n";
}

std::optional<std::string> Word2000Filter::filter(std::string_view line) {
  if (in_xml_) {
    in_xml_ = !contains(line, "</xml>");
    return std::nullopt;
  }
  if (contains(line, "<xml>")) {
    in_xml_ = !contains(line, "</xml>");
    return std::nullopt;
  }
  if (in_style_) return style_line(line);
  if (contains(line, "<style>")) {
    in_style_ = true;
    if (contains(line, "</style>")) return style_line("</style>");
    if (keep_css_ && !css_.is_open()) {
      platform::remove_file(css_path_);
      stylesheet_made_ = css_.open(css_path_);
    }
    return std::nullopt;
  }
  return std::string(line);
}

// A line inside a style block: kept in the style sheet; its end becomes the link.
std::optional<std::string> Word2000Filter::style_line(std::string_view line) {
  if (!contains(line, "</style>")) {
    if (keep_css_ && css_.is_open()) css_.write(line);
    return std::nullopt;
  }
  in_style_ = false;
  if (css_.is_open()) css_.flush();
  if (!keep_css_ || !stylesheet_made_ || link_written_) return std::nullopt;
  link_written_ = true;
  return stylesheet_link(stylesheet_name());
}

void strip_word2000_styles(std::string& line) {
  erase_all(line, "<o:p>");
  erase_all(line, "</o:p>");
  erase_tags(line, "<span");
  erase_all(line, "</span>");
  bool bullet_line = line.find("class=twbullet") != std::string::npos;
  for (std::size_t p = line.find(kStyleAttribute); p != std::string::npos;
       p = line.find(kStyleAttribute, p)) {
    std::size_t close = line.find('\'', p + kStyleAttribute.size());
    if (close == std::string::npos) return;
    std::string_view value(line.data() + p, close - p);
    if (value.find("text-indent:-") != std::string_view::npos && !bullet_line) {
      p = close + 1;
      continue;
    }
    std::size_t end = close + 1;
    if (end < line.size() && line[end] == ' ') ++end;
    line.erase(p, end - p);
  }
}

bool has_open_style(std::string_view line) {
  for (std::size_t p = line.find("<span"); p != std::string_view::npos;
       p = line.find("<span", p + 1))
    if (line.find('>', p) == std::string_view::npos) return true;
  for (std::size_t p = line.find(kStyleAttribute); p != std::string_view::npos;
       p = line.find(kStyleAttribute, p + 1))
    if (line.find('\'', p + kStyleAttribute.size()) == std::string_view::npos) return true;
  return false;
}

}  // namespace html
