// Helpers of the conversion tests: RTF group balance and fixture files.
#pragma once
#include <string>
#include <string_view>

namespace tw_test {

// Depth of unescaped braces at the end of rtf, and the lowest depth reached
// (negative when a "}" closes a group never opened).
struct BraceBalance {
  int end = 0;
  int lowest = 0;
  bool operator==(const BraceBalance&) const = default;
};
BraceBalance brace_balance(std::string_view rtf);

// A fixture of tests/data/html.
std::string html_fixture(std::string_view name);

// How often needle occurs in hay.
std::size_t count_of(std::string_view hay, std::string_view needle);

}  // namespace tw_test
