#include "host/user_paths.h"

#include "platform/paths.h"

namespace host {
namespace {

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Whether a drive path ("c:\") starts at `at`: at a word's start.
bool drive_path_at(std::string_view line, std::size_t at) {
  if (at + 2 >= line.size() || !is_letter(line[at]) || line[at + 1] != ':') return false;
  if (line[at + 2] != '\\' && line[at + 2] != '/') return false;
  return at == 0 || line[at - 1] == ' ' || line[at - 1] == '\'' || line[at - 1] == '\t' ||
         line[at - 1] == '(';
}

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

std::string shown_paths_in(std::string_view line) {
  std::string out;
  std::size_t at = 0;
  while (at < line.size()) {
    if (!drive_path_at(line, at)) {
      out += line[at++];
      continue;
    }
    std::size_t end = line.find_first_of(":'", at + 2);
    if (end == std::string_view::npos) end = line.size();
    while (end > at + 2 && line[end - 1] == ' ') --end;
    out += shown_path(line.substr(at, end - at));
    at = end;
  }
  return out;
}

}  // namespace host
