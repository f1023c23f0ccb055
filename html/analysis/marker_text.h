// The text a marker carries (a context string, title, keyword list, browse
// sequence), read from the RTF as characters and written back into the
// marker file as RTF text in the document's code page.
#pragma once
#include <string>
#include <string_view>

namespace html {

using DocText = std::u32string;

// Appends bytes of the given code page as characters.
void append_bytes(DocText& text, std::string_view bytes, int code_page);

// Without blanks, tabs and line ends at either end.
DocText trimmed(const DocText& text);

// The text as RTF: "\", "{" and "}" escaped, 8-bit bytes of the code page as
// "\'xx", other characters as "\uN?", control characters as blanks.
std::string rtf_escaped(const DocText& text, int code_page);

}  // namespace html
