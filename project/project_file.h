// The help project file (.hpj): reading it into the library state and
// writing it back.
#pragma once
#include <cstdint>
#include <string_view>

namespace core {
struct LibraryState;
}

namespace project {

// Writes the whole project file from the library state; 1 written, 0 not.
int WriteProjectFile(core::LibraryState& state, std::int32_t window, std::string_view path);
// Reads the project file named by the state's project path; 1, or 0 when the
// file is locked by another program.
int ReadProjectFile(core::LibraryState& state);
// Writes only the [FILES] section (projects of the Windows 95 compiler).
int ReplaceFilesSection(core::LibraryState& state);

}  // namespace project
