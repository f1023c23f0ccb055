// Registering topics that the word processor's import finds in a document:
// the context strings of AddCX and AddCX2.
#pragma once
#include <string>
#include <string_view>

namespace project {
struct ProjectState;
}

namespace project {

// The title that marks a context string of no topic file.
inline constexpr std::string_view kNoFileTitle = "**mt**";

// Cleans both texts in place (each ends at its first control character; a
// leading "#" of the context, a leading "+" of the title and leading blanks
// go) and adds or updates the topic; returns 1.
int AddCX(ProjectState& state, std::string& context, std::string& title);
// AddCX for a topic of this document; 0 when the document is not (and does
// not become) one of the project's topic files.
int AddCX2(ProjectState& state, std::string& context, std::string& title,
           std::string_view document);

}  // namespace project
