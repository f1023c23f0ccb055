// The companion files of a project: they share the project file's folder and
// base name.
#pragma once
#include <string>
#include <string_view>

namespace core {

// The project folder: the project path up to its last separator.
std::string project_directory(std::string_view project_path);
// The project path with another extension (".twz", ".twk", ".opt", ...).
std::string companion_file(std::string_view project_path, std::string_view extension);
// A topic-file entry as a full path: relative entries are taken from the
// project folder.
std::string topic_file_path(std::string_view project_path, std::string_view entry);

}  // namespace core
