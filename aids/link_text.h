// The hotspot text of a keyword jump: a macro hotspot running KLink or ALink,
//   %!KLink("a;b",0,"","")
// the display prefix ("%", "*" or none), "!", the macro, the keywords joined
// by ";" in double quotes, the type, the context string to pop up when no
// topic is found and the window to show a found topic in.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace aids {

// Type bits of a keyword jump.
inline constexpr int kJumpIfOneTopic = 1;
inline constexpr int kShowHelpFileTitle = 2;

struct KeywordLink {
  std::string prefix = "%";  // "%", "*" or "" (standard appearance)
  bool klink = true;         // false: ALink
  std::vector<std::string> keywords;
  int type = 0;
  std::string not_found;     // context string popped up when nothing is found
  std::string window;
};

// True when text holds a keyword jump to parse ("KL" or "AL" in it).
bool LooksLikeKeywordLink(std::string_view text);
// Reads an existing keyword jump over the fields of `link`; pieces it does
// not find keep their values.
void ParseKeywordLink(std::string_view text, KeywordLink& link);
std::string ComposeKeywordLink(const KeywordLink& link);

// The decoration digit: 3 bullet button and top border, 1 bullet only,
// 2 border only, 0 neither.
int DecorationDigit(bool bullet, bool border);
// The format text InsertLink returns: test-button flag, decoration digit,
// colour index.
std::string LinkFormat(bool test_buttons, bool bullet, bool border, int colour);

}  // namespace aids
