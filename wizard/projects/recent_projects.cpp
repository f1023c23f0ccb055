#include "wizard/projects/recent_projects.h"

#include "platform/text.h"
#include "wizard/limits.h"

namespace wizard {

std::vector<std::string> recent_projects(std::string_view stored) {
  std::vector<std::string> entries;
  for (const std::string& part : text::split(stored, ';')) {
    std::string entry(text::trim(part));
    if (!entry.empty() && entry[0] != '*') entries.push_back(entry);
  }
  return entries;
}

std::string recent_projects_with_first(std::string_view chosen,
                                       const std::vector<std::string>& others,
                                       bool (*exists)(std::string_view)) {
  std::string list = std::string(chosen) + ";";
  std::vector<std::string> kept{std::string(chosen)};
  for (const std::string& entry : others) {
    bool seen = false;
    for (const std::string& k : kept) seen = seen || text::iequals(k, entry);
    if (seen || !exists(entry)) continue;
    // Whole entries only: a cut entry would name a file that is not there.
    if (list.size() + entry.size() + 1 > kProjectListCut) break;
    list += entry + ";";
    kept.push_back(entry);
  }
  return list;
}

}  // namespace wizard
