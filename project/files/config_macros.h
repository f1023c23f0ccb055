// The [CONFIG] section: the project's start-up macros as one text with ";"
// between macros, and the lines the compilers read. In the file a ";" starts
// a comment, so a ";" inside a quoted macro argument is written as ":" and
// read back as ";".
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "project/files/project_model.h"

namespace project {

// True when the character at pos stands inside a quoted macro argument:
// after an unbalanced double quote, or where more backquotes than
// apostrophes precede it.
bool inside_quoted_argument(std::string_view macros, size_t pos);

// The macros as [CONFIG] lines: each ";" becomes ":" inside a quoted
// argument and a line break elsewhere. No line break is added at the end.
std::string macros_to_config_lines(std::string_view macros);

// Reads [CONFIG] lines into the model's macros, register lines, comment
// lines and flags. win3x: emulation lines set the emulation flag.
void read_config_section(const std::vector<std::string>& lines, bool win3x, ProjectFileModel& model);

// True when the macros need an extension library's setting lines: they name
// neither the library's marker nor the setting's first macro (a setting
// without the marker must not be added again at every write).
bool extension_needed(std::string_view macros, std::string_view marker, std::string_view setting);

// Text with every "$" turned into a line break, ended by one (the form the
// help-extension settings are kept in).
std::string extension_lines(std::string_view setting);

}  // namespace project
