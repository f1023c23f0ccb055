// twhost keyword PROJECT TOPICFILE K|A KEYWORDS [AT-TEXT]: a keyword
// footnote put into an RTF topic file the way the word processor's macro
// does it, with the letter and keywords InsertKey hands back.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/libraries.h"
#include "host/script_session.h"

namespace host {

// The RTF of a keyword footnote as word processors write it: the letter as a
// superscript reference mark, then the footnote group holding the mark again
// and the keywords.
std::string keyword_footnote_rtf(char letter, std::string_view keywords);

// The topic file with the footnote placed before the first occurrence of
// at_text (as RTF writes it), or, with no at_text, as a paragraph of its
// own before the file's closing brace; nullopt when there is no such place.
std::optional<std::string> put_keyword_footnote(std::string_view rtf, std::string_view footnote,
                                                std::string_view at_text);

// Opens the project through the start dialog, runs InsertKey with the
// keywords and writes the footnote into the topic file. Returns the exit code.
int run_keyword(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args);

}  // namespace host
