// Message boxes, file dialogs and the colour dialog of the headless host:
// each takes the script's answer when the next line is one for it.
#include <algorithm>

#include "platform/ui/headless_core.h"
#include "platform/ui/message_box.h"

namespace ui::detail {

int HeadlessCore::message_box(std::string_view text, std::string_view caption, std::uint32_t flags) {
  BoxButtons buttons = box_buttons(flags);
  int answer = buttons.default_id;
  std::string remark = "(default)";
  if (!script_.empty() && script_.front().action == Action::message) {
    int wanted = script_.front().value;
    script_.pop();
    if (std::find(buttons.ids.begin(), buttons.ids.end(), wanted) != buttons.ids.end()) {
      answer = wanted;
      remark.clear();
    } else {
      remark = "(script answer " + std::string(answer_name(wanted)) + " not offered)";
    }
  }
  transcript_.add(message_line(text, caption, icon_name(flags), answer_name(answer), remark));
  return answer;
}

std::optional<std::string> HeadlessCore::file_dialog(const FileDialogRequest& request) {
  if (script_.empty() || script_.front().action != Action::file) {
    transcript_.add(file_dialog_line(request.save, request.filter, nullptr, false));
    return std::nullopt;
  }
  ScriptLine line = script_.front();
  script_.pop();
  std::optional<std::string> path;
  if (!line.cancel) path = line.text;
  transcript_.add(file_dialog_line(request.save, request.filter, path ? &*path : nullptr, true));
  return path;
}

std::optional<std::uint32_t> HeadlessCore::choose_colour(std::uint32_t initial) {
  if (script_.empty() || script_.front().action != Action::colour) {
    transcript_.add(colour_line(nullptr, false));
    return std::nullopt;
  }
  ScriptLine line = script_.front();
  script_.pop();
  std::optional<std::uint32_t> colour;
  if (!line.cancel) colour = line.colour;
  transcript_.add(colour_line(colour ? &*colour : nullptr, true));
  return colour;
}

}  // namespace ui::detail
