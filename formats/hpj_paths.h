// Names in a help project file as the help compilers resolve them: relative
// to the project's folder. Used to tell whether an entry the author wrote
// (perhaps relative, perhaps in the host's own path form) already names
// the file or folder a regeneration would write.
#pragma once
#include <string>
#include <string_view>

namespace formats {

// The host path a project entry names: relative entries are taken from
// the project folder; "." and ".." are resolved; no trailing separator.
std::string resolved_project_entry(std::string_view project_folder, std::string_view entry);

// True when two entries name the same file or folder.
bool same_project_entry(std::string_view project_folder, std::string_view a, std::string_view b);

// True when two comma-separated folder lists name the same folders in the
// same order (a folder named twice counts once).
bool same_folder_list(std::string_view project_folder, std::string_view a, std::string_view b);

}  // namespace formats
