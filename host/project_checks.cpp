#include "host/project_checks.h"

#include <algorithm>

#include "formats/installation.h"
#include "host/installation.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace host {
namespace {

const std::string kInstalledTemplates = std::string(installation::kDefaultDir) + "\\templates";
// Enough of a project file to find its first section header.
constexpr size_t kSectionSearchBytes = 64 * 1024;

bool has_section_header(std::string_view bytes) {
  for (const auto& line : text::split_lines(bytes.substr(0, kSectionSearchBytes))) {
    std::string_view l = text::trim(line);
    if (l.size() > 2 && l.front() == '[' && l.back() == ']') return true;
  }
  return false;
}

}  // namespace

bool is_help_project(const std::string& path) {
  if (!text::iequals(platform::extension_of(path), ".hpj") || !platform::file_exists(path)) return false;
  std::optional<std::string> bytes = platform::read_file(path);
  return bytes && has_section_header(*bytes);
}

std::string not_a_project_message(const std::string& typed) { return "not a help project: " + typed; }

bool folder_is_writable(const std::string& folder) {
  if (!platform::create_directories(folder)) return false;
  const std::string probe = platform::join_path(folder, ".twhost-write-test");
  if (!platform::write_file(probe, "")) return false;
  platform::remove_file(probe);
  return true;
}

std::vector<std::string> template_names() {
  std::vector<std::string> names = platform::find_files(std::string(kInstalledTemplates) + "\\*.lfc");
  std::string shipped = shipped_data_folder();
  if (!shipped.empty()) {
    for (auto& name : platform::find_files(shipped + "/templates/*.lfc")) names.push_back(name);
  }
  for (auto& name : names) name = text::to_lower(name);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

std::string template_path(const std::string& name) {
  if (name.empty() || name.find_first_of("/\\") != std::string::npos) return {};
  std::string installed = std::string(kInstalledTemplates) + "\\" + name;
  if (platform::file_exists(installed)) return installed;
  std::string shipped = shipped_data_folder() + "/templates/" + name;
  return platform::file_exists(shipped) ? shipped : std::string();
}

}  // namespace host
