// Making sure the document a command works on belongs to the project.
#pragma once
#include <string_view>

namespace project {

struct ProjectState;

// The project-document check: an RTF document not yet in the project is
// offered for adding (or added at once during a document import). Sets
// currentFile; false when the document is not (and does not become) part of
// the project.
bool CheckProjectDocument(ProjectState& state, std::string_view document);

// True when the path needs long file names: a blank, or a component whose
// base name is longer than 8 or whose extension is longer than 3 characters.
bool IsLongPath(std::string_view path);
// Refuses, or asks about, a long path as the project's compiler requires.
bool AcceptLongPath(ProjectState& state, std::string_view path);

}  // namespace project
