// Reads the lists the desktop's own tools read to name the default browser.
// Asking xdg-settings instead started some forty shell processes, and every
// publish into a fresh settings file asks once.
#include "platform/desktop_browser.h"

#include <cstdlib>
#include <fstream>
#include <string_view>
#include <vector>

#include "platform/process.h"
#include "platform/text.h"

namespace platform {
namespace {

// A base folder from HOME_VARIABLE (else HOME + FALLBACK), then the folders
// of DIRS_VARIABLE (else DIRS_FALLBACK), in the order the lists rank them.
std::vector<std::string> base_folders(const char* home_variable, const char* fallback, const char* dirs_variable,
                                      const char* dirs_fallback) {
  std::vector<std::string> folders;
  const char* own = std::getenv(home_variable);
  const char* home = std::getenv("HOME");
  if (own && *own) folders.push_back(own);
  else if (home && *home) folders.push_back(std::string(home) + fallback);
  const char* dirs = std::getenv(dirs_variable);
  for (auto& dir : text::split(dirs && *dirs ? dirs : dirs_fallback, ':')) {
    if (!dir.empty()) folders.push_back(dir);
  }
  return folders;
}

std::vector<std::string> data_folders() {
  return base_folders("XDG_DATA_HOME", "/.local/share", "XDG_DATA_DIRS", "/usr/local/share:/usr/share");
}

std::vector<std::string> config_folders() {
  return base_folders("XDG_CONFIG_HOME", "/.config", "XDG_CONFIG_DIRS", "/etc/xdg");
}

// "gnome-mimeapps.list" for each desktop the session names, then the
// common "mimeapps.list": a desktop's own list ranks first.
std::vector<std::string> list_names() {
  std::vector<std::string> names;
  const char* desktops = std::getenv("XDG_CURRENT_DESKTOP");
  for (auto& desktop : text::split(desktops ? desktops : "", ':')) {
    if (!desktop.empty()) names.push_back(text::to_lower(desktop) + "-mimeapps.list");
  }
  names.push_back("mimeapps.list");
  return names;
}

// Every list file, best first: the user's and the system's configuration,
// then the older places under the data folders, then the defaults and the
// cache of what installed programs can open.
std::vector<std::pair<std::string, std::string_view>> list_files() {
  constexpr std::string_view kDefaults = "Default Applications";
  std::vector<std::pair<std::string, std::string_view>> files;
  const std::vector<std::string> names = list_names();
  for (const auto& folder : config_folders()) {
    for (const auto& name : names) files.emplace_back(folder + "/" + name, kDefaults);
  }
  const std::vector<std::string> data = data_folders();
  for (const auto& folder : data) {
    for (const auto& name : names) files.emplace_back(folder + "/applications/" + name, kDefaults);
  }
  for (const auto& folder : data) files.emplace_back(folder + "/applications/defaults.list", kDefaults);
  for (const auto& folder : data) files.emplace_back(folder + "/applications/mimeinfo.cache", "MIME Cache");
  return files;
}

// The desktop entries FILE names for TYPE in SECTION, in its order.
std::vector<std::string> listed_entries(const std::string& file, std::string_view section, std::string_view type) {
  std::ifstream in(file);
  std::string line;
  bool in_section = false;
  while (std::getline(in, line)) {
    std::string_view row = text::trim(line);
    if (!row.empty() && row.front() == '[') {
      in_section = row == "[" + std::string(section) + "]";
      continue;
    }
    std::size_t equals = row.find('=');
    if (!in_section || equals == std::string_view::npos || text::trim(row.substr(0, equals)) != type) continue;
    return text::split(text::trim(row.substr(equals + 1)), ';');
  }
  return {};
}

// The program of a desktop entry's "Exec=" line, without its arguments.
std::string entry_program(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (!text::istarts_with(line, "Exec=")) continue;
    auto args = split_command_line(text::trim(line.substr(5)));
    return args.empty() ? std::string() : args[0];
  }
  return {};
}

// The program of the desktop entry named ENTRY, from the first data folder
// that holds it.
std::string program_of_entry(std::string_view entry) {
  if (entry.empty() || entry.find('/') != std::string_view::npos) return {};
  for (const auto& folder : data_folders()) {
    std::string program = entry_program(folder + "/applications/" + std::string(entry));
    if (!program.empty()) return program;
  }
  return {};
}

}  // namespace

std::string desktop_default_browser() {
  const auto files = list_files();
  for (std::string_view type : {"x-scheme-handler/http", "text/html"}) {
    for (const auto& [file, section] : files) {
      for (const auto& entry : listed_entries(file, section, type)) {
        std::string program = program_of_entry(text::trim(entry));
        if (program.empty()) continue;
        std::string found = find_program_path(program);
        return found.empty() ? program : found;
      }
    }
  }
  return {};
}

}  // namespace platform
