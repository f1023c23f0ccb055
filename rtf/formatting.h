// Character, paragraph and table-row formatting as an RTF reader tracks it.
#pragma once
#include <cstdint>
#include <vector>

namespace rtf {

// Default font size in half-points (12 pt), as RTF assumes without \fs.
constexpr int kDefaultFontSize = 24;

// Underline kinds. WinHelp reads single underline as a pop-up hotspot and
// double underline as a jump; the others are plain formatting.
enum class Underline : std::uint8_t { none, single, double_line, word, dotted, dashed, thick, wave, other };

// Character formatting in force for a piece of text.
struct CharFormat {
  bool bold = false;
  bool italic = false;
  Underline underline = Underline::none;
  bool strike = false;       // \strike or \striked1 (WinHelp reads it like a double underline)
  bool hidden = false;       // \v: hidden text, such as a hotspot's target
  bool superscript = false;
  bool subscript = false;
  int font = 0;              // \fN: index into the font table
  int size = kDefaultFontSize;  // \fsN, half-points
  int color = 0;             // \cfN: index into the colour table, 0 = automatic

  bool operator==(const CharFormat&) const = default;
};

enum class Alignment : std::uint8_t { left, center, right, justify };
enum class ListKind : std::uint8_t { none, bullet, numbered };

// Paragraph formatting in force for a paragraph.
struct ParaFormat {
  int style = 0;             // \sN: paragraph style number
  bool in_table = false;     // \intbl
  Alignment alignment = Alignment::left;
  // Indents and spacing in twips: \li \ri \fi (first line, from the left
  // indent; negative hangs) and \sb \sa.
  int left_indent = 0;
  int right_indent = 0;
  int first_indent = 0;
  int space_before = 0;
  int space_after = 0;
  bool keep_with_next = false;  // \keepn
  int outline_level = -1;    // \outlinelevelN (0 = top level), -1 when absent
  int list_override = 0;     // \lsN: list override number, 0 when none
  int list_override_level = 0;  // \ilvlN
  ListKind pn_kind = ListKind::none;  // from an old-style {\pn ...} group
  int pn_level = 0;
  // Resolved by the reader before a paragraph is reported: what kind of list
  // item the paragraph is (none, bullet, numbered) and its level from 0.
  ListKind list = ListKind::none;
  int list_level = 0;
};

// The table row being defined (\trowd ... \cellxN ...).
struct RowFormat {
  int left = 0;                   // \trleftN, twips
  std::vector<int> cell_right;    // right edge of each cell (\cellxN), twips
};

}  // namespace rtf
