#include "platform/foreign_windows.h"

namespace platform {

std::optional<ForeignWindow> find_foreign_window(std::string_view) { return std::nullopt; }

bool paste_into_foreign_window(std::string_view, std::string_view) { return false; }

bool send_to_foreign_window(std::string_view, unsigned) { return false; }

}  // namespace platform
