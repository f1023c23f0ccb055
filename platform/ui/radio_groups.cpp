// Radio-button groups of the headless host.
#include "platform/ui/radio_groups.h"

namespace ui::detail {

namespace {

constexpr std::uint32_t kGroup = 0x00020000;  // WS_GROUP

bool starts_group(const ControlState& c) { return c.has_style(kGroup); }
bool is_radio(const ControlState& c) { return c.kind() == ControlKind::radio_button; }

}  // namespace

std::vector<size_t> radio_group(const std::vector<ControlState>& controls, size_t index) {
  if (index >= controls.size()) return {};
  size_t start = index;
  while (start > 0 && !starts_group(controls[start])) --start;
  bool marked = starts_group(controls[start]);
  if (!marked) {
    // No WS_GROUP before it: the run of radio buttons around it.
    start = index;
    while (start > 0 && is_radio(controls[start - 1])) --start;
  }
  std::vector<size_t> group;
  for (size_t i = start; i < controls.size(); ++i) {
    if (i > start && starts_group(controls[i])) break;
    if (is_radio(controls[i])) group.push_back(i);
    else if (!marked && i >= index) break;
  }
  return group;
}

}  // namespace ui::detail
