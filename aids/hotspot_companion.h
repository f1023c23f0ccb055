// The window beside the Hotspot Editor ("DLG_CX", topmost): the project's
// context strings with a search, and its windows. A double-clicked context
// string (with ">" and the chosen window), or a macro composed in the Macro
// Editor (without its "!"), goes into the context-string field of the
// editor's open "Attributes" or "Preferences" window.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"

namespace aids {

struct AidsState;

// The binding a double-click hands over: the context string, and ">" and
// the window when one is chosen.
std::string companion_binding(std::string_view context, std::string_view window);

// The index of the first item after `after` (wrapping round) that contains
// piece without regard to case; -1 when none does.
int find_next_item(const std::vector<std::string>& items, std::string_view piece, int after);

// Opens the companion owned by owner (it closes with it), replacing one
// that is open; its handle, 0 when it could not open.
ui::Handle OpenHotspotCompanion(AidsState& state, ui::Handle owner);

}  // namespace aids
