// Small searches over raw RTF text for the marker rewrite: escapes, control
// words, group braces, and the plain text of a short span.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace html {

inline constexpr std::size_t kNotFound = std::string_view::npos;

// True when the byte at pos follows an odd run of backslashes (an RTF
// escape such as "\}" or "\\").
bool is_escaped(std::string_view rtf, std::size_t pos);

// The first unescaped c at or after from, kNotFound when none.
std::size_t find_unescaped(std::string_view rtf, char c, std::size_t from);

// True when the control word (given with its backslash, "\page") stands at
// pos as a whole word: unescaped, and not the start of a longer word.
bool control_word_at(std::string_view rtf, std::size_t pos, std::string_view word);

// The first whole control word at or after from, kNotFound when none.
std::size_t find_control_word(std::string_view rtf, std::string_view word, std::size_t from);

// Where the control word starting at pos ends (after its letters and any
// numeric parameter; its blank delimiter is not included).
std::size_t control_word_end(std::string_view rtf, std::size_t pos);

// The "}" closing the group whose "{" is at open, kNotFound when the group
// does not end within rtf.
std::size_t matching_brace(std::string_view rtf, std::size_t open);

// True when rtf holds an unescaped brace.
bool has_unescaped_brace(std::string_view rtf);

// The plain text of a short span: line breaks dropped (RTF ignores them);
// when a control word is met, the text starts after the blank that follows
// it; leading blanks removed; cut at the first byte that is neither printable
// ASCII nor 192 or above.
std::string plain_rtf_text(std::string_view span);

// plain_rtf_text of the bytes from two after start up to end: start is the
// brace or control word that opens the text.
std::string extract_rtf_text(std::string_view rtf, std::size_t start, std::size_t end);

}  // namespace html
