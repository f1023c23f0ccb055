// The recording dialog procedure of the UI host tests.
#include "ui_fixtures.h"

#include "platform/ui/resources.h"

namespace ui_test {

std::int32_t test_module() { return ui::register_module("ui_test", kScript); }

const char* notify_name(ui::Notify notify) {
  switch (notify) {
    case ui::Notify::clicked: return "clicked";
    case ui::Notify::double_clicked: return "double_clicked";
    case ui::Notify::selection: return "selection";
    case ui::Notify::changed: return "changed";
    case ui::Notify::focus_lost: return "focus_lost";
    case ui::Notify::focus_gained: return "focus_gained";
    case ui::Notify::dropped: return "dropped";
  }
  return "?";
}

void RecordingProc::on_init(ui::Dialog& dialog) {
  log->push_back("init " + dialog.template_name());
  if (init) init(dialog);
}

void RecordingProc::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  log->push_back("command " + std::to_string(id) + " " + notify_name(notify));
  if (auto it = reactions.find(id); it != reactions.end()) it->second(dialog, notify);
  else ui::DialogProc::on_command(dialog, id, notify);
}

void RecordingProc::on_timer(ui::Dialog& dialog, int timer_id) {
  log->push_back("timer " + std::to_string(timer_id));
  if (timer) timer(dialog, timer_id);
}

void RecordingProc::on_close(ui::Dialog& dialog) { log->push_back("close " + dialog.template_name()); }

void RecordingProc::on_window_moved(ui::Dialog& dialog, ui::Handle window) {
  log->push_back("moved " + std::to_string(window));
}

}  // namespace ui_test
