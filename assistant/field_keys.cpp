#include "assistant/field_keys.h"

#include <vector>

#include "assistant/entry_rules.h"

namespace assistant {

namespace {

std::vector<int> field_order(IdSource mode) {
  if (mode == IdSource::include_file) return {kTopicIdList, kPopupField};
  return {kDialogField, kControlField, kContextField, kPopupField};
}

}  // namespace

KeyResult tab_key(int field, bool shift, IdSource mode) {
  std::vector<int> order = field_order(mode);
  int at = -1;
  for (size_t i = 0; i < order.size(); ++i)
    if (order[i] == field) at = static_cast<int>(i);
  if (at < 0) return {};
  int last = static_cast<int>(order.size()) - 1;
  if (shift) return at > 0 ? KeyResult{KeyAction::focus_previous, order[at - 1]} : KeyResult{KeyAction::pass, field};
  if (at == last) return {KeyAction::commit, order[0]};
  return {KeyAction::focus_next, order[at + 1]};
}

}  // namespace assistant
