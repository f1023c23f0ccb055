// Clean-ups the word processor's macros ask for on texts they pass in.
#pragma once
#include <string>
#include <string_view>

namespace wizard {

// Control characters (TAB included) and the bytes 128-191 become blanks;
// then leading and trailing blanks go.
std::string fix_string(std::string_view text);

// Trimmed, with every blank replaced by "_".
std::string fix_file_name(std::string_view text);

}  // namespace wizard
