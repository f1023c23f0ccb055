// What an RTF document declares before (or beside) its text: fonts, colours,
// styles, lists and the document title.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rtf/formatting.h"

namespace rtf {

// Longest font, style or title text kept; longer ones are cut.
constexpr std::size_t kMaxHeaderText = 255;
// At most this many colour table entries are kept.
constexpr std::size_t kMaxColors = 1024;

// One font table entry.
struct Font {
  std::string name;
  int charset = 0;  // \fcharsetN: 0 ANSI, 2 symbol, ...
};

// One paragraph style of the style sheet.
struct Style {
  std::string name;        // e.g. "heading 1"
  int outline_level = -1;  // \outlinelevelN of the style, -1 when absent
};

// The document's declarations, filled in as the reader meets them.
struct Header {
  int code_page = 1252;                            // \ansicpgN: the code page of the text
  bool code_page_named = false;                    // the document has \ansicpg
  int default_font = 0;                            // \deffN
  std::map<int, Font> fonts;                       // by \fN
  std::vector<std::optional<std::uint32_t>> colors;  // 0xRRGGBB, nullopt = automatic
  std::map<int, Style> styles;                     // paragraph styles by \sN
  std::map<int, std::vector<int>> list_formats;    // \listid -> \levelnfc per level
  std::map<int, int> list_overrides;               // \ls -> \listid
  std::string title;                               // {\info{\title ...}}

  // The font's name, or empty when the table has no such font.
  std::string font_name(int font) const;
  // The colour as 0xRRGGBB, or nothing for automatic or unknown entries.
  std::optional<std::uint32_t> color(int index) const;
  // The paragraph style, or nullptr.
  const Style* style(int number) const;
  // Kind of list item a paragraph with these \ls / \ilvl / {\pn} settings is.
  ListKind list_kind(const ParaFormat& para) const;
  // The code page of text in the font: its \fcharset's when that names a
  // non-ANSI code page, else the document's.
  int font_code_page(int font) const;
};

}  // namespace rtf
