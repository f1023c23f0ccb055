#include "assistant/messages.h"

#include "platform/ui/host.h"

namespace assistant {

int show_message(std::int32_t owner, std::string_view text, std::uint32_t flags) {
  return ui::host().message_box(owner, text, kProgramCaption, flags);
}

}  // namespace assistant
