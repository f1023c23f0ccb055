#include "core/recent_projects.h"

#include "core/settings.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace core {

std::vector<std::string> parse_project_list(std::string_view value) {
  std::vector<std::string> out;
  for (const auto& piece : text::split(value, ';')) {
    auto entry = text::trim(piece);
    if (!entry.empty()) out.emplace_back(entry);
  }
  return out;
}

std::string resolve_project_entry(std::string_view entry, std::string_view main_directory) {
  if (entry.empty() || entry.front() != '*') return std::string(entry);
  std::string_view rest = entry.substr(1);
  while (!rest.empty() && platform::is_separator(rest.front())) rest.remove_prefix(1);
  return platform::join_path(main_directory, rest);
}

std::string project_list_with_first(const std::vector<std::string>& entries,
                                    std::string_view opened, std::string_view main_directory) {
  std::string out = std::string(opened) + ";";
  for (const auto& entry : entries) {
    if (text::iequals(resolve_project_entry(entry, main_directory), opened)) continue;
    if (out.size() + entry.size() + 1 > static_cast<size_t>(kProjectListMax - 1)) break;
    out += entry + ";";
  }
  return out;
}

}  // namespace core
