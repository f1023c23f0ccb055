#include "platform/ui/window_state.h"

#include <string>

#include "platform/ui/host.h"

namespace ui {

namespace {

std::string window_name(HeadlessHost& headless, Handle window) {
  if (window == headless.main_window()) return "main";
  if (Dialog* dialog = headless.find_dialog(window)) return dialog->template_name();
  return "window " + std::to_string(window);
}

}  // namespace

void set_topmost(Handle window, bool on) {
  if (auto* states = dynamic_cast<WindowStates*>(&host())) return states->set_topmost(window, on);
  if (HeadlessHost* headless_host = headless())
    headless_host->note("topmost " + window_name(*headless_host, window) + (on ? " on" : " off"));
}

void minimise(Handle window) {
  if (auto* states = dynamic_cast<WindowStates*>(&host())) return states->minimise(window);
  if (HeadlessHost* headless_host = headless()) headless_host->note("minimise " + window_name(*headless_host, window));
}

}  // namespace ui
