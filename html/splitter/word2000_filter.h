// Word 2000 HTML: the embedded XML and style sheets are dropped (a style
// sheet may be kept in a ".css" file), and the style attributes stripped.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace html {

class Word2000Filter {
 public:
  // keep_css: style sheets go to css_path and a link replaces the first "</style>".
  Word2000Filter(bool keep_css, std::string css_path);

  // The line to keep, or nullopt when it is dropped.
  std::optional<std::string> filter(std::string_view line);
  // True once a style sheet file was made.
  bool stylesheet_made() const { return stylesheet_made_; }
  // The style sheet's file name (without folder).
  std::string stylesheet_name() const;

 private:
  std::optional<std::string> style_line(std::string_view line);

  bool keep_css_;
  std::string css_path_;
  platform::FileWriter css_;
  bool in_xml_ = false;
  bool in_style_ = false;
  bool link_written_ = false;
  bool stylesheet_made_ = false;
};

// The head line that links a page to a style sheet.
std::string stylesheet_link(std::string_view name);

// Strips "<o:p>", spans and "style='...'" attributes (an indent style that
// makes a hanging list item stays, but not on "class=twbullet" lines).
void strip_word2000_styles(std::string& line);
// True when a span tag or a style attribute is not closed within line.
bool has_open_style(std::string_view line);

}  // namespace html
