// The HTML Help project (".hhp") beside the wizard project, its alias file
// (".ali") and the copy of the help project's context map header.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace html {

struct ConversionRun;

// The project's HTML Help project file: its path with extension ".hhp".
std::string html_help_project_path(const ConversionRun& run);

// The compiled file the .hhp names ("Compiled file", beside the .hhp when
// it has no folder of its own).
std::string compiled_file_path(const ConversionRun& run);

// The text with every section whose name is one of names (any case) left
// out, from its header up to the next line that begins with "[".
std::string without_sections(std::string_view text, const std::vector<std::string_view>& names);

// A line of the map header as the .hhp includes it: runs of blanks made one.
std::string collapse_blanks(std::string_view line);

// Writes the .hhp: the "Options" keys that are missing (an author's values
// stay), then [FILES] with every page and, when the help project has a
// context map, [ALIAS] and [MAP] with the alias file and the map header's
// copy. False when the file cannot be written.
bool write_html_help_project(ConversionRun& run);

}  // namespace html
