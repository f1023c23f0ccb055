#include "html/driver/messages.h"

#include "platform/ui/resources.h"

extern const char tw_rc_twzhtml[];
extern const char* const tw_rc_twzhtml_files[];

namespace html {

std::int32_t conversion_module() {
  static const std::int32_t module = ui::register_module("twzhtml", tw_rc_twzhtml, tw_rc_twzhtml_files);
  return module;
}

std::string resource_string(int id) { return ui::load_string(conversion_module(), id); }

int show_message(std::string_view text, std::uint32_t flags, std::string_view caption) {
  ui::Host& host = ui::host();
  return host.message_box(host.main_window(), text, caption, flags);
}

}  // namespace html
