// Text helpers of the page passes: tag searches that ignore case, the colour
// and escaping forms every writer uses, and the line end of the pages. Small
// edits of page text (erase_all, replace_all, erase_tags) are in html_text.h.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace html {

// Pages and the files written beside them end their lines with CR LF.
inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::size_t kNoPos = std::string_view::npos;

// The first needle at or after from, compared without regard to ASCII case.
std::size_t find_nocase(std::string_view text, std::string_view needle, std::size_t from = 0);
// True when text holds needle in any case.
bool contains_nocase(std::string_view text, std::string_view needle);

// The ">" that ends the tag opening at pos (quoted values may hold ">"),
// kNoPos when the tag does not end within text.
std::size_t tag_end(std::string_view text, std::size_t pos);

// A Windows colour value (red in the low byte) as HTML writes it: "#RRGGBB".
std::string html_colour(long windows_colour);
// The same without the "#" ("RRGGBB").
std::string hex_colour(long windows_colour);

// Text made safe for HTML content and attribute values: & < > and " escaped
// (a character reference such as "&#945;" is kept).
std::string escape_html(std::string_view text);

// Text with every tag removed, line ends turned into blanks and the result
// trimmed (headings and titles for lists and tables of contents).
std::string strip_tags(std::string_view html);

// The file name part of a page target: everything before "#".
std::string_view page_of_target(std::string_view target);

}  // namespace html
