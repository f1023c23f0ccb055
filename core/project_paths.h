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

// Keeps the data file (.twz) and its backup (.twk) in step: the backup is
// refreshed from the data file unless the data file shrank by more than 20
// bytes, in which case the backup replaces it. A missing data file is
// restored from the backup instead of wiping the backup.
void reconcile_data_backup(std::string_view project_path);

}  // namespace core
