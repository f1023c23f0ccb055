// GenFiles: prepares the project for the help compiler and starts it.
#pragma once
#include <string>
#include <string_view>

namespace project {
struct ProjectState;
}

namespace project {

// Cleans Word 97 topic files for the Windows 3.x compilers, closes the
// compiled help file in WinHelp, reads the project file, writes the context
// maps and (unless Help Workshop owns it) the project file, and starts the
// project's compiler in the project folder; a background compile is
// watched by the compile-progress window. directory and project receive the
// project folder and the project file. Returns 1 when the compiler was
// started, or when the document is not part of the project (nothing to
// do); 0 when the project file could not be read or the compiler not be
// started (the user is told).
int GenFiles(ProjectState& state, std::string_view document, std::string& directory,
             std::string& project);

}  // namespace project
