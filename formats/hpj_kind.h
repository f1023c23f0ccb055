// Telling a help project file from other files that carry its name: a
// binary file, a UTF-16 text or some other text file named ".hpj" must
// never be read as an empty project and then written over.
#pragma once
#include <string_view>

namespace formats {

// The message every program shows for such a file ("%s" the path).
inline constexpr const char* kNotAHelpProjectText =
    "%s is not a help project file, so it was neither read nor changed.  Open or create a help "
    "project (.hpj) file instead.";

// True when the bytes can be a help project file: empty, or text without
// NUL bytes whose first line that is neither blank nor a comment opens a
// section.
bool is_help_project_text(std::string_view bytes);

}  // namespace formats
