// The authoring library's one message routine and its resources.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui/host.h"

namespace core {

struct CoreState;

// The product name: the caption of every message box of the library.
inline constexpr std::string_view kProductName = "Tarvenwick";

// The module handle of the library's resources (registered on first use).
std::int32_t authoring_module();
// A string resource of the library, "" when missing.
std::string resource_string(int id);

// Shows a message box over the owner window; returns the button pressed.
int show_message(const CoreState& state, std::string_view text, std::uint32_t flags,
                 std::string_view caption = kProductName);
// The window a dialog of this call opens over: the given one, else the owner.
std::int32_t dialog_owner(CoreState& state, std::int32_t window);

}  // namespace core
