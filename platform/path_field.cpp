#include "platform/path_field.h"

#include "platform/paths.h"
#include "platform/text.h"

namespace platform {

std::string shown_in_field(std::string_view stored) {
  return has_drive(stored) ? to_host_path(stored) : std::string(stored);
}

std::string stored_from_field(std::string_view typed, std::string_view stored) {
  const std::string_view text = text::trim(typed);
  if (text == shown_in_field(stored)) return std::string(stored);
  if (!text.empty() && text.front() == '/') return to_system_path(text);
  return std::string(text);
}

}  // namespace platform
