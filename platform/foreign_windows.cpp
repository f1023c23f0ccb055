#include "platform/foreign_windows.h"

#include "platform/internal.h"

namespace platform {

std::optional<ForeignWindow> find_foreign_window(std::string_view) { return std::nullopt; }

bool paste_into_foreign_window(std::string_view, std::string_view) { return false; }

bool send_to_foreign_window(std::string_view, unsigned) { return false; }

bool paste_into_titled_window(const std::vector<std::string>& titles, std::string_view text) {
  std::string names;
  for (const std::string& title : titles) names += (names.empty() ? "" : "|") + title;
  internal::note("paste \"" + names + "\" \"" + std::string(text) + "\" -> 0");
  return false;
}

}  // namespace platform
