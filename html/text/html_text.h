// Small edits of HTML text shared by the page passes.
#pragma once
#include <string>
#include <string_view>

namespace html {

// Removes every occurrence of text.
void erase_all(std::string& s, std::string_view text);
// Replaces every occurrence of from by to (the replacement is not searched again).
void replace_all(std::string& s, std::string_view from, std::string_view to);
// Removes every tag that starts with opener, up to and including its ">"; a
// tag whose ">" is missing is left.
void erase_tags(std::string& s, std::string_view opener);

// The META element that declares a page's charset ("windows-1251").
std::string charset_meta(std::string_view charset);
// The charset a line of HTML declares ("charset=..."), empty when none.
std::string declared_charset(std::string_view line);

}  // namespace html
