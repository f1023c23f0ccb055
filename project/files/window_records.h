// [WINDOWS] entries of Windows 3.x projects: one window definition a line,
// name="caption",(x, y, width, height),state,(r, g, b),(r, g, b),on-top.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/files/project_model.h"

namespace project {

// Parses one line (its ";" comment already cut); nullopt for a line without
// a window name.
std::optional<WindowRecord> parse_window_line(std::string_view line);
// The line a window definition is written as, without its line break.
std::string format_window_line(const WindowRecord& window);

// Reads a [WINDOWS] section into records: "main" takes the first record,
// the others follow in order, every one of them (the window editor
// refuses to add more than a Windows 3.x compiler takes, but keeps what the
// file holds).
void read_windows_section(const std::vector<std::string>& lines, std::vector<WindowRecord>& windows);
// Only the window names (projects of the Windows 95 compiler, whose window
// lines Help Workshop owns).
void read_window_names(const std::vector<std::string>& lines, std::vector<WindowRecord>& windows);

// The name part of a window line: the text before "=", "," or ";".
std::string window_name_of(std::string_view line);

}  // namespace project
