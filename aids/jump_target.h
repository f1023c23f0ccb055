// The hidden text of a jump or pop-up hotspot, and the texts InsertJump and
// InsertDef hand back with it. A target reads, in this order: an optional
// appearance prefix ("%" no underline, "*" underline, neither changing the
// colour), the context string, ">" and a secondary window (jumps only), and
// "@" and a help file when the topic lies in another file.
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace aids {

struct JumpTarget {
  char prefix = 0;  // '%', '*' or 0 for the standard appearance
  std::string context;
  std::string window;
  std::string file;
};

// Splits a target; a macro target ("!" anywhere) keeps its "@" and ">".
JumpTarget ParseJumpTarget(std::string_view target);
// Joins the pieces in their order; the window only for a jump.
std::string ComposeJumpTarget(const JumpTarget& target, bool jump);

// The colours a custom hotspot may take, by index (string resources 1040 on).
inline constexpr int kColourCount = 17;
inline constexpr int kFirstColourString = 1040;
inline constexpr std::array<std::string_view, kColourCount> kColourNames = {
    "Auto",    "Black",   "Blue",     "Cyan",       "Green",  "Magenta",   "Red",     "Yellow",  "White",
    "Dk Blue", "Dk Cyan", "Dk Green", "Dk Magenta", "Dk Red", "Dk Yellow", "Dk Gray", "Lt Gray"};

// Click text for a target typed without one: the first "IDH_" dropped and
// every "_" a blank ("IDH_Print_Setup" gives "Print Setup").
std::string ClickTextFromContext(std::string_view context);
// Click text from a title-list entry ("title=context" or "# {context}"):
// "# {", "IDH_" and "}" dropped, "_" a blank; the part after "=" left out.
std::string ClickTextFromTitle(std::string_view entry);

// Where the hotspot goes: the selection only (1), or every occurrence of the
// selected text in the document (2), plus 2 when each one is asked about and
// plus 1 when case must match.
int ScopeCode(bool all_occurrences, bool prompt, bool match_case);

// The format text returned with a target: "1" when test buttons follow the
// hotspot, else "0", then the colour index.
std::string JumpFormat(bool test_buttons, int colour);

}  // namespace aids

namespace aids {

// The context string of a title-list entry: after the last "=", or inside
// the braces of "# {context}".
std::string ContextOfTitleEntry(std::string_view entry);

}  // namespace aids
