#include "core/project_paths.h"

#include "platform/files.h"
#include "platform/paths.h"

namespace core {

std::string project_directory(std::string_view project_path) {
  return std::string(platform::directory_of(project_path));
}

std::string companion_file(std::string_view project_path, std::string_view extension) {
  return platform::replace_extension(project_path, extension);
}

std::string topic_file_path(std::string_view project_path, std::string_view entry) {
  if (platform::is_absolute(entry)) return std::string(entry);
  return platform::join_path(project_directory(project_path), entry);
}

void reconcile_data_backup(std::string_view project_path) {
  const std::string data = companion_file(project_path, ".twz");
  const std::string backup = companion_file(project_path, ".twk");
  const bool have_data = platform::file_exists(data);
  const bool have_backup = platform::file_exists(backup);
  if (!have_data) {
    if (have_backup) platform::copy_file(backup, data);
    return;
  }
  const auto data_size = platform::file_size(data).value_or(0);
  const auto backup_size = platform::file_size(backup).value_or(0);
  if (!have_backup || backup_size <= data_size + 20) {
    platform::copy_file(data, backup);
  } else {
    platform::copy_file(backup, data);
  }
}

}  // namespace core
