#include "core/messages.h"

#include "core/core_state.h"
#include "platform/ui/resources.h"

extern const char tw_rc_trvwck32[];

namespace core {

std::int32_t authoring_module() {
  static const std::int32_t module = ui::register_module("trvwck32", tw_rc_trvwck32);
  return module;
}

std::string resource_string(int id) { return ui::load_string(authoring_module(), id); }

int show_message(const CoreState& state, std::string_view text, std::uint32_t flags,
                 std::string_view caption) {
  return ui::host().message_box(state.owner_window, text, caption, flags);
}

std::int32_t dialog_owner(CoreState& state, std::int32_t window) {
  if (window != 0) state.owner_window = window;
  return state.owner_window;
}

}  // namespace core
