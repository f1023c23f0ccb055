// Text commands the macros use on their own strings.
#pragma once
#include <string>
#include <string_view>

namespace core {

// A bookmark name from a context string: letters and digits kept, everything
// else a blank, trimmed, "n" in front unless it starts with a letter, blanks
// turned into "_". "#1 word" becomes "n1_word".
std::string FixBookmark(std::string_view text);
// Control characters and tabs become blanks; the result is trimmed.
std::string FixString(std::string_view text);

}  // namespace core
