// One navigation button of the "Buttons" list ("DLG_NAVBUTTON"): its text,
// graphic, address, kind and the pages that show it.
#pragma once
#include <cstdint>

#include "wizard/project_settings.h"

namespace wizard {

// Edits button; true on OK. With text buttons no graphic is needed; Next and
// Previous take their address from the page order.
bool edit_nav_button(std::int32_t owner, NavButton& button, bool text_buttons);

}  // namespace wizard
