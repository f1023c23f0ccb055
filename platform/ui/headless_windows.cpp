// Windows of the headless host: handles, closing (owned windows go with
// their owner), timers on the host's clock, and the plain top-level windows
// of registered classes.
#include <algorithm>
#include <array>

#include "platform/text.h"
#include "platform/ui/headless_core.h"

namespace ui::detail {

namespace {

constexpr std::array<std::string_view, 6> kSystemClasses = {"Button",  "Edit",      "Static",
                                                           "ListBox", "ComboBox", "ScrollBar"};

}  // namespace

void HeadlessCore::leave() {
  if (--depth_ == 0) retired_.clear();
}

HeadlessDialog* HeadlessCore::dialog(Handle window) {
  auto it = dialogs_.find(window);
  return it == dialogs_.end() ? nullptr : it->second.get();
}

const HeadlessDialog* HeadlessCore::dialog(Handle window) const {
  auto it = dialogs_.find(window);
  return it == dialogs_.end() ? nullptr : it->second.get();
}

HeadlessDialog* HeadlessCore::child_with_control(Handle owner, int id) {
  for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) {
    HeadlessDialog& d = *it->second;
    if (d.owner() == owner && !d.modal() && !d.ended() && d.has_control(id)) return &d;
  }
  return nullptr;
}

bool HeadlessCore::is_window(Handle window) const {
  return window == kMainWindow || dialogs_.count(window) > 0 || windows_.count(window) > 0;
}

void HeadlessCore::close_dialog(Handle window) {
  HeadlessDialog* d = dialog(window);
  if (!d || d->closing()) return;
  if (!d->ended()) {
    d->end(0);  // a modeless window comes back here through window_ended
    return;
  }
  if (d->modal()) return;  // run_modal finishes it
  d->mark_closing();
  enter();  // the window stays alive until its closing is complete
  if (!d->announced()) {
    d->mark_announced();
    transcript_.add(window_opened_line(d->identifier(), d->caption()));
  }
  close_owned(window);
  d->run_close();
  transcript_.add(window_closed_line(d->identifier()));
  retire(window);
  leave();
}

// The caller's windows (the word processor's) come in as owners with
// numbers of its own. Were one of ours to get the same number, closing it
// would close the dialogs the caller's window owns.
Handle HeadlessCore::new_handle(Handle owner) {
  while (next_handle_ == owner || handle_in_use(next_handle_)) ++next_handle_;
  return next_handle_++;
}

bool HeadlessCore::handle_in_use(Handle window) const {
  if (window == kMainWindow || dialogs_.contains(window) || windows_.contains(window)) return true;
  for (const auto& [handle, d] : dialogs_)
    if (d->owner() == window) return true;
  for (const auto& [handle, w] : windows_)
    if (w.owner == window) return true;
  return false;
}

void HeadlessCore::close_owned(Handle window) {
  std::vector<Handle> owned;
  for (const auto& [handle, d] : dialogs_)
    if (d->owner() == window && !d->closing()) owned.push_back(handle);
  for (Handle h : owned) close_dialog(h);
  std::vector<Handle> plain;
  for (const auto& [handle, w] : windows_)
    if (w.owner == window) plain.push_back(handle);
  for (Handle h : plain) forget_window(h);
}

void HeadlessCore::forget_window(Handle window) {
  if (windows_.erase(window) && view) view->window_destroyed(window);
}

void HeadlessCore::retire(Handle window) {
  auto it = dialogs_.find(window);
  if (it == dialogs_.end()) return;
  if (view) view->closed(*it->second);
  retired_.push_back(std::move(it->second));
  dialogs_.erase(it);
  if (depth_ == 0) retired_.clear();
}

void HeadlessCore::destroy_window(Handle window) {
  if (dialogs_.count(window)) {
    close_dialog(window);
  } else if (windows_.count(window)) {
    forget_window(window);
    close_owned(window);
  }
}

Handle HeadlessCore::find_window(std::string_view template_name) const {
  for (const auto& [handle, d] : dialogs_) {
    if (d->modal() || d->ended()) continue;
    const DialogTemplate* named = d->resources().dialog(template_name);
    if (text::iequals(d->identifier(), template_name) || (named && named->identifier() == d->identifier()))
      return handle;
  }
  return 0;
}

void HeadlessCore::send_timer(Handle window, int timer_id) {
  HeadlessDialog* d = dialog(window);
  if (d && !d->ended()) d->run_timer(timer_id);
}

void HeadlessCore::advance_time(int milliseconds) {
  if (milliseconds <= 0) return;
  const std::int64_t target = clock_ + milliseconds;
  while (true) {
    HeadlessDialog* next = nullptr;
    int next_timer = 0;
    for (const auto& [handle, d] : dialogs_) {
      if (d->ended()) continue;
      for (const auto& [id, timer] : d->timers()) {
        if (timer.due > target) continue;
        if (!next || timer.due < next->timers()[next_timer].due) next = d.get(), next_timer = id;
      }
    }
    if (!next) break;
    Timer& timer = next->timers()[next_timer];
    clock_ = std::max(clock_, timer.due);  // a handler may have advanced the clock itself
    timer.due += timer.period;
    next->run_timer(next_timer);
  }
  clock_ = std::max(clock_, target);
}

Handle HeadlessCore::create_window(std::string_view class_name, WindowRect rect, Handle owner) {
  if (!class_registered(class_name)) return 0;
  Handle handle = new_handle(owner);
  windows_[handle] = PlainWindow{std::string(class_name), rect, owner, {}};
  if (view) view->window_created(handle, windows_[handle]);
  return handle;
}

PlainWindow* HeadlessCore::plain_window(Handle window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

const PlainWindow* HeadlessCore::plain_window(Handle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

bool HeadlessCore::user_moves_window(std::string_view class_name, WindowRect rect) {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if (!text::iequals(it->second.class_name, class_name)) continue;
    it->second.rect = rect;
    Handle window = it->first;
    if (HeadlessDialog* owner = dialog(it->second.owner); owner && !owner->ended())
      owner->run_window_moved(window);
    return true;
  }
  HeadlessDialog* d = dialog(find_window(class_name));
  if (!d) return false;
  enter();
  d->run_size(rect);
  leave();
  return true;
}

HeadlessDialog* HeadlessCore::action_window() {
  HeadlessDialog* d = dialog(action_window_);
  return d && !d->ended() ? d : nullptr;
}

void HeadlessCore::choose_action_window(const HeadlessDialog* running, const ScriptLine& line) {
  const Handle chosen = find_window(line.target);
  action_window_ = running && chosen == running->handle() ? 0 : chosen;
  if (chosen == 0 && !(running && text::iequals(running->identifier(), line.target)))
    transcript_.add(ignored_line(line.source, running ? running->identifier() : "", "no window " + line.target));
}

void HeadlessCore::pump() {
  const Handle saved = action_window_;
  action_window_ = 0;
  while (!script_.empty() && script_.front().is_dialog_action()) {
    ScriptLine line = script_.front();
    script_.pop();
    if (line.action == Action::window) {
      choose_action_window(nullptr, line);
      continue;
    }
    HeadlessDialog* target = action_window();
    if (!target) {
      transcript_.add(ignored_line(line.source, "", "no window chosen"));
      continue;
    }
    enter();
    apply_action(*this, *target, line);
    if (view && !target->ended()) view->changed(*target);
    leave();
  }
  action_window_ = saved;
}

bool HeadlessCore::register_class(std::string_view name, std::uint32_t background) {
  // Registering a class again succeeds: two of our binaries may share one.
  classes_.emplace(text::to_upper(name), background);
  return true;
}

bool HeadlessCore::class_registered(std::string_view name) const {
  for (std::string_view c : kSystemClasses)
    if (text::iequals(c, name)) return true;
  return classes_.count(text::to_upper(name)) > 0;
}

}  // namespace ui::detail
