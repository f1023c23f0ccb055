// Visiting every topic file of the project, one per call (GetAllFiles).
#pragma once
#include <string>
#include <string_view>

namespace core {

struct CoreState;

// flag containing "Y" restarts the iteration and skips the current document.
// Returns 1 with the ".doc" path, 2 with the ".rtf" path, 0 at the end (with
// an empty text).
int GetAllFiles(CoreState& state, std::string& text, std::string_view flag);

}  // namespace core
