#include "core/project_paths.h"

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

}  // namespace core
