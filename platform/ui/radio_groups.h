// Radio-button groups of a dialog: a group runs from a control with WS_GROUP
// to the next one; before any WS_GROUP, consecutive radio buttons form one.
#pragma once
#include <vector>

#include "platform/ui/controls.h"

namespace ui::detail {

// Indexes of the radio buttons in the group of controls[index], itself included.
std::vector<size_t> radio_group(const std::vector<ControlState>& controls, size_t index);

}  // namespace ui::detail
