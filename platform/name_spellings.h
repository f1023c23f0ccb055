// A file name written in an 8-bit Windows code page (as a legacy project file
// holds it) spelled the way Linux file names are stored: UTF-8.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The UTF-8 spellings of a name read as code page 1252 and as 1251, when it
// has 8-bit bytes and is not UTF-8 already; empty otherwise.
std::vector<std::string> utf8_spellings(std::string_view name);

}  // namespace platform
