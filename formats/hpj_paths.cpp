#include "formats/hpj_paths.h"

#include <vector>

#include "platform/paths.h"
#include "platform/text.h"

namespace formats {
namespace {

// "a/./b/../c" as "a/c", without trailing or doubled separators.
std::string normalised(std::string_view host_path) {
  std::vector<std::string> parts;
  for (const auto& part : text::split(host_path, '/')) {
    if (part.empty() || part == ".") continue;
    if (part == ".." && !parts.empty() && parts.back() != "..") {
      parts.pop_back();
    } else {
      parts.push_back(part);
    }
  }
  std::string out = !host_path.empty() && host_path.front() == '/' ? "/" : "";
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? "/" : "") + parts[i];
  return out;
}

std::vector<std::string> resolved_folders(std::string_view folder, std::string_view list) {
  std::vector<std::string> out;
  for (const auto& piece : text::split(list, ',')) {
    std::string_view entry = text::trim(piece);
    if (entry.empty()) continue;
    std::string path = resolved_project_entry(folder, entry);
    bool seen = false;
    for (const auto& known : out) seen = seen || text::iequals(known, path);
    if (!seen) out.push_back(std::move(path));
  }
  return out;
}

}  // namespace

std::string resolved_project_entry(std::string_view project_folder, std::string_view entry) {
  entry = text::trim(entry);
  std::string system = platform::is_absolute(entry) || project_folder.empty()
                           ? std::string(entry)
                           : std::string(project_folder) + "\\" + std::string(entry);
  return normalised(platform::to_host_path(system));
}

bool same_project_entry(std::string_view project_folder, std::string_view a, std::string_view b) {
  if (text::trim(a).empty() || text::trim(b).empty()) return false;
  return text::iequals(resolved_project_entry(project_folder, a),
                       resolved_project_entry(project_folder, b));
}

bool same_folder_list(std::string_view project_folder, std::string_view a, std::string_view b) {
  auto first = resolved_folders(project_folder, a);
  auto second = resolved_folders(project_folder, b);
  if (first.empty() || first.size() != second.size()) return false;
  for (size_t i = 0; i < first.size(); ++i) {
    if (!text::iequals(first[i], second[i])) return false;
  }
  return true;
}

}  // namespace formats
