// Modal and modeless dialogs of the headless host: matching the script's
// dialog lines, driving a modal dialog with its actions, and cancelling a
// dialog the script says nothing about.
#include "platform/text.h"
#include "platform/ui/headless_core.h"

namespace ui::detail {

namespace {

// "21000" as a number.
std::optional<std::int64_t> decimal(std::string_view s) {
  if (s.empty() || s.size() > 9) return std::nullopt;
  std::int64_t v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

// A script's dialog line names this template: by name, number or #define.
bool names_template(std::string_view target, const DialogTemplate& t, const ResourceSet& resources) {
  if (!t.name.empty() && text::iequals(target, t.name)) return true;
  if (t.number < 0) return false;
  auto n = decimal(target);
  if (!n) n = resources.symbol(target);
  return n && *n == t.number;
}

}  // namespace

bool HeadlessCore::take_dialog_line(const DialogTemplate& t, const ResourceSet& resources) {
  if (script_.empty() || script_.front().action != Action::dialog) return false;
  if (!names_template(script_.front().target, t, resources)) return false;
  script_.pop();
  return true;
}

int HeadlessCore::run_modal(std::int32_t module, std::string_view name, DialogProc& proc,
                            Handle owner) {
  const ResourceSet& resources = module_resources(module);
  const DialogTemplate* t = resources.dialog(name);
  if (!t) {
    missing_template(name);
    return 0;
  }
  bool scripted = take_dialog_line(*t, resources);
  Handle handle = new_handle(owner);
  auto window = std::make_unique<HeadlessDialog>(*this, handle, owner, *t, resources, proc, true);
  HeadlessDialog& dialog = *window;
  dialogs_[handle] = std::move(window);
  dialog.run_init();
  if (view && !dialog.ended()) view->opened(dialog);
  if (scripted) drive(dialog);
  else if (view && !dialog.ended()) view->run_modal(dialog);
  bool cancelled = !dialog.ended();
  if (cancelled) {
    dialog.run_command(kIdCancel, Notify::clicked);
    if (!dialog.ended()) dialog.end(0);
  }
  int result = dialog.result();
  finish_modal(dialog, cancelled);
  return result;
}

// Applies the script's actions until the dialog ends or the next line is not
// an action (it belongs to whatever opens next).
void HeadlessCore::drive(HeadlessDialog& dialog) {
  const Handle saved = action_window_;  // a dialog opened from a window acts on itself
  action_window_ = 0;
  while (!dialog.ended() && !script_.empty() && script_.front().is_dialog_action()) {
    ScriptLine line = script_.front();
    script_.pop();
    apply_action(*this, dialog, line);
    if (view && !dialog.ended()) view->changed(dialog);
  }
  action_window_ = saved;
}

void HeadlessCore::finish_modal(HeadlessDialog& dialog, bool cancelled) {
  Handle handle = dialog.handle();
  dialog.mark_closing();
  close_owned(handle);
  dialog.run_close();
  transcript_.add(dialog_line(dialog.identifier(), dialog.caption(), dialog.result(), !cancelled));
  retire(handle);
}

// The script's lines for a dialog that cannot open are dropped with it, so
// they do not drive whatever opens next.
void HeadlessCore::missing_template(std::string_view name) {
  if (!script_.empty() && script_.front().action == Action::dialog &&
      text::iequals(script_.front().target, name)) {
    script_.pop();
    while (!script_.empty() && script_.front().is_dialog_action()) script_.pop();
  }
  transcript_.add(dialog_line(name, "", 0, true) + " (no template)");
}

Handle HeadlessCore::create_modeless(std::int32_t module, std::string_view name,
                                     std::unique_ptr<DialogProc> proc, Handle owner) {
  const ResourceSet& resources = module_resources(module);
  const DialogTemplate* t = resources.dialog(name);
  if (!proc || !t) {
    transcript_.add("window " + std::string(name) + " not created" + (t ? "" : " (no template)"));
    return 0;
  }
  Handle handle = new_handle(owner);
  auto window = std::make_unique<HeadlessDialog>(*this, handle, owner, *t, resources, *proc, false);
  window->own(std::move(proc));
  HeadlessDialog& dialog = *window;
  dialogs_[handle] = std::move(window);
  enter();  // keeps the window alive while it is checked below, even if init closed it
  dialog.run_init();
  bool open = !dialog.ended();
  if (open && view) view->opened(dialog);
  if (open && !dialog.announced()) {
    dialog.mark_announced();
    transcript_.add(window_opened_line(dialog.identifier(), dialog.caption()));
  }
  leave();
  return open ? handle : 0;
}

}  // namespace ui::detail
