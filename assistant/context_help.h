// Popup help on the assistant's own controls: a help request for a control
// of the command panel or the entry form (F1, or "What's This?") shows that
// control's topic of the program's help file "pointip.hlp" as a popup.
#pragma once
#include <cstdint>
#include <optional>

#include "assistant/settings.h"

namespace assistant {

// The popup context of a control of the panel or the form; none for the
// labels and for controls the help file does not describe.
std::optional<int> control_help_context(int control);

// Asks the help viewer for that control's popup; false (and nothing asked)
// for a control without one.
bool show_control_help(const Settings& settings, std::int32_t window, int control);

}  // namespace assistant
