// The ".lfh" companion of a project file: HTML code inserted at the end of
// the HEAD of every page while "headcode" is on.
#pragma once
#include <string>
#include <string_view>

namespace wizard {

// The companion's path: the project file's path with extension ".lfh".
std::string head_code_path(std::string_view project_file);

// The companion's text, at most 32,000 bytes; empty when there is none.
std::string read_head_code(std::string_view project_file);

// Replaces the companion's text; false when it could not be written (the old
// text is then kept).
bool write_head_code(std::string_view project_file, std::string_view code);

}  // namespace wizard
