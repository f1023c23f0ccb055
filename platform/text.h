// Small text helpers shared by every layer. All text is 8-bit (code page 1252)
// kept as bytes; case rules here are ASCII only unless a function says otherwise.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// Leading and trailing blanks, tabs, CR and LF removed.
std::string_view trim(std::string_view s);
std::string_view trim_right(std::string_view s);
std::string_view trim_left(std::string_view s);

std::string to_lower(std::string_view s);
std::string to_upper(std::string_view s);
bool iequals(std::string_view a, std::string_view b);
bool istarts_with(std::string_view s, std::string_view prefix);
bool iends_with(std::string_view s, std::string_view suffix);
// Position of needle in hay ignoring case, or npos.
size_t ifind(std::string_view hay, std::string_view needle);
bool icontains(std::string_view hay, std::string_view needle);

// Splits on every occurrence of sep; empty pieces are kept.
std::vector<std::string> split(std::string_view s, char sep);
// Splits a file's bytes into lines, accepting CR LF, LF or a lone CR.
std::vector<std::string> split_lines(std::string_view bytes);

// Cuts s to at most max bytes (a buffer of max+1 with its terminator).
std::string cut(std::string_view s, size_t max);

// printf-style formatting into a std::string, never truncated.
template <typename... Args>
std::string format(const char* fmt, Args... args) {
  int n = std::snprintf(nullptr, 0, fmt, args...);
  if (n <= 0) return {};
  std::string out(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(out.data(), out.size(), fmt, args...);
  out.resize(static_cast<size_t>(n));
  return out;
}

// Parses a leading decimal integer after blanks, as atoi does (0 when none).
long parse_int(std::string_view s);

}  // namespace text
