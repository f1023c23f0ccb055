#include "host/user_paths.h"

#include "platform/paths.h"

namespace host {
namespace {

std::string& start_folder() {
  static std::string folder;
  return folder;
}

}  // namespace

void remember_user_folder() { start_folder() = platform::current_directory(); }

const std::string& user_folder() {
  if (start_folder().empty()) remember_user_folder();
  return start_folder();
}

std::string argument_path(const std::string& path) {
  if (platform::is_absolute(path)) return platform::to_system_path(path);
  return platform::to_system_path(user_folder() + "/" + path);
}

std::string shown_path(std::string_view system_path) {
  std::string host = platform::to_host_path(system_path);
  std::string here = user_folder();
  if (!here.empty() && here.back() != '/') here += '/';
  if (host.size() > here.size() && host.compare(0, here.size(), here) == 0) {
    return host.substr(here.size());
  }
  return host;
}

}  // namespace host
