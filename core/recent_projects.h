// The recent-projects list (PROJ LIST): entries each followed by ";"; an
// entry starting with "*" is relative to the main directory.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace core {

std::vector<std::string> parse_project_list(std::string_view value);
// The full path of an entry.
std::string resolve_project_entry(std::string_view entry, std::string_view main_directory);
// The list with the opened project first, then the others in their order;
// whole entries that would not fit the setting are dropped.
std::string project_list_with_first(const std::vector<std::string>& entries,
                                    std::string_view opened, std::string_view main_directory);

}  // namespace core
