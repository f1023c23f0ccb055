#include "host/script_session.h"

#include "platform/text.h"
#include "platform/ui/host.h"
#include "platform/ui/script.h"

namespace host {

bool ScriptSession::load(std::string_view text, const std::string& shown,
                         std::vector<std::string>& errors) {
  shown_ = shown;
  std::vector<std::string> lines = text::split_lines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = text::trim(lines[i]);
    if (line.empty() || line.front() == '#') continue;
    std::string error;
    if (ui::detail::parse_script_line(line, &error)) {
      user_lines_.push_back({static_cast<int>(i + 1), std::string(line)});
    } else {
      errors.push_back(shown + ":" + std::to_string(i + 1) + ": " + error);
    }
  }
  if (!errors.empty()) return false;
  queue(text);
  return true;
}

void ScriptSession::queue(std::string_view script) {
  auto* headless = ui::headless();
  if (!headless) return;
  size_t before = headless->pending_script().size();
  headless->queue_script(script);
  queued_ += headless->pending_script().size() - before;
}

std::string ScriptSession::unused_report() const {
  auto* headless = ui::headless();
  if (!headless || user_lines_.empty()) return {};
  // The user's lines come first in the queue and are used in order.
  size_t pending = headless->pending_script().size();
  size_t used = pending < queued_ ? queued_ - pending : 0;
  if (used >= user_lines_.size()) return {};
  const UserLine& first = user_lines_[used];
  std::string where = shown_ + ":" + std::to_string(first.number);
  size_t unused = user_lines_.size() - used;
  if (used == 0 && text::istarts_with(first.text, "dialog ")) {
    return where + ": the script's first dialog (" + std::string(text::trim(first.text.substr(7))) +
           ") never opened; no line of the script was used";
  }
  return where + ": " + std::to_string(unused) + " script line" + (unused == 1 ? "" : "s") +
         " not used, from \"" + first.text + "\"";
}

}  // namespace host
