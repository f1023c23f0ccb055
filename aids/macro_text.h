// Help macro texts: lists of macros separated by ";" (or ":"), arguments in
// double quotes or in a back-quote and an apostrophe. Every scan here is one
// pass over the text, whatever its length or its quoting.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace aids {

// Splits a macro list into trimmed macros. A ";" outside quoted arguments
// separates; so does a ":" outside quoted arguments when no such ";" follows
// it. A "!" in front (a hotspot macro) is skipped. Empty pieces are dropped;
// an unbalanced quote keeps the rest of the text in the last macro.
std::vector<std::string> split_macros(std::string_view list);

// The macros joined by ";".
std::string join_macros(const std::vector<std::string>& macros);

// A catalogue syntax with its placeholders taken out: inside the
// parentheses only ",", the quote characters, nested macro names with their
// "(" and ")" stay, and each "," is followed by one blank.
//   JI("filename", "context-string")  ->  JI("", "")
std::string strip_placeholders(std::string_view syntax);

// The double quotes turned alternately into a back-quote and an apostrophe,
// so that the macro can stand inside a double-quoted argument.
std::string alternate_quotes(std::string_view macro);

// True when the text is an IfThen or IfThenElse macro.
bool is_conditional_macro(std::string_view text);

// Where a macro goes inside a conditional macro: before the closing quote of
// its last argument (the end of the text when there is none).
size_t conditional_insertion_point(std::string_view text);

// Inserts a macro at pos of a conditional macro, with alternated quotes and,
// unless the text before pos ends in a quote or ";", a "; " before it.
std::string insert_into_conditional(std::string_view text, size_t pos, std::string_view macro);

// True when every quoted argument of the text is closed again.
bool quotes_balanced(std::string_view text);

// The macro's name: the text up to "(" (all of it when there is none), trimmed.
std::string macro_name(std::string_view macro);

// The arguments of a macro without their quotes, split at "," outside
// quoted arguments and trimmed.
std::vector<std::string> macro_arguments(std::string_view macro);

// Control characters become blanks and the text is trimmed: what the
// insert commands make of the texts the word processor passes.
std::string printable_text(std::string_view s);

}  // namespace aids
