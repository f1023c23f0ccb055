// Message box buttons and icons for the headless host.
#include "platform/ui/message_box.h"

#include "platform/ui/host.h"

namespace ui::detail {

BoxButtons box_buttons(std::uint32_t flags) {
  BoxButtons b;
  switch (flags & 0xF) {
    case kMbOkCancel: b.ids = {kIdOk, kIdCancel}; break;
    case kMbAbortRetryIgnore: b.ids = {kIdAbort, kIdRetry, kIdIgnore}; break;
    case kMbYesNoCancel: b.ids = {kIdYes, kIdNo, kIdCancel}; break;
    case kMbYesNo: b.ids = {kIdYes, kIdNo}; break;
    case kMbRetryCancel: b.ids = {kIdRetry, kIdCancel}; break;
    default: b.ids = {kIdOk}; break;
  }
  // A default button the box does not have falls back to the first, as on Windows.
  size_t index = (flags & 0xF00) == kMbDefButton2 ? 1 : (flags & 0xF00) == kMbDefButton3 ? 2 : 0;
  b.default_id = b.ids[index < b.ids.size() ? index : 0];
  return b;
}

std::string_view icon_name(std::uint32_t flags) {
  switch (flags & 0xF0) {
    case kMbIconStop: return "stop";
    case kMbIconQuestion: return "question";
    case kMbIconExclamation: return "exclamation";
    case kMbIconInformation: return "information";
    default: return "none";
  }
}

}  // namespace ui::detail
