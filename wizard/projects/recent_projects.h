// The start dialog's list of recent projects (twzhtml.ini "PROJ LIST"):
// file names each followed by ";".
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace wizard {

// The entries of the stored list, in order; empty entries and those that
// begin with "*" are left out.
std::vector<std::string> recent_projects(std::string_view stored);

// The list with chosen first and then every other entry that still exists
// (exists is asked per entry), each once, followed by ";". Entries that no
// longer fit the stored length are left off the end.
std::string recent_projects_with_first(std::string_view chosen,
                                       const std::vector<std::string>& others,
                                       bool (*exists)(std::string_view));

}  // namespace wizard
