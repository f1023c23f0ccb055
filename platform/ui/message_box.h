// Message box flags as the headless host reads them: the buttons a box
// offers, its default button and its icon's name.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace ui::detail {

struct BoxButtons {
  std::vector<int> ids;  // kIdOk, kIdCancel, ... in the order the box shows them
  int default_id = 0;    // the button taken when the user just presses Enter
};

BoxButtons box_buttons(std::uint32_t flags);
// stop, question, exclamation, information or none.
std::string_view icon_name(std::uint32_t flags);

}  // namespace ui::detail
