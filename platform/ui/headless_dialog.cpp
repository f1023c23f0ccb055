// The headless dialog: controls, their calls, and the procedure's handlers.
// Changes the procedure makes never notify it, except that a tab strip
// reports a change of its selected tab, as the tab strip class does.
#include "platform/ui/headless_dialog.h"

#include <algorithm>

#include "platform/ui/host.h"
#include "platform/ui/radio_groups.h"

namespace ui::detail {

namespace {

constexpr std::uint32_t kTabStop = 0x00010000;  // WS_TABSTOP

// Dialog units to pixels with the base units of the templates' 8-point font
// (4 horizontal units a 6-pixel average character, 8 vertical a 13-pixel line).
WindowRect to_pixels(int x, int y, int cx, int cy) {
  return {x * 6 / 4, y * 13 / 8, cx * 6 / 4, cy * 13 / 8};
}

// Marks a call into a procedure for the host.
class Dispatch {
 public:
  explicit Dispatch(WindowSite& site) : site_(site) { site_.enter(); }
  ~Dispatch() { site_.leave(); }
  Dispatch(const Dispatch&) = delete;
  Dispatch& operator=(const Dispatch&) = delete;

 private:
  WindowSite& site_;
};

}  // namespace

HeadlessDialog::HeadlessDialog(WindowSite& site, Handle handle, Handle owner, const DialogTemplate& t,
                               const ResourceSet& resources, DialogProc& proc, bool modal)
    : site_(site), handle_(handle), owner_(owner), template_(t), resources_(resources), proc_(proc),
      modal_(modal), identifier_(t.identifier()), caption_(t.caption),
      rect_(to_pixels(t.x, t.y, t.cx, t.cy)) {
  controls_.reserve(t.controls.size());
  for (const ControlTemplate& c : t.controls) {
    controls_.emplace_back(c);
    controls_.back().rect = to_pixels(c.x, c.y, c.cx, c.cy);
  }
  for (const ControlState& c : controls_) {
    if (c.has_style(kTabStop) && c.visible && c.enabled) {
      focus_ = c.id();
      break;
    }
  }
}

void HeadlessDialog::run_init() {
  Dispatch d(site_);
  proc_.on_init(*this);
}

void HeadlessDialog::run_command(int id, Notify notify) {
  Dispatch d(site_);
  proc_.on_command(*this, id, notify);
}

void HeadlessDialog::run_timer(int timer_id) {
  Dispatch d(site_);
  proc_.on_timer(*this, timer_id);
}

void HeadlessDialog::run_close() {
  Dispatch d(site_);
  proc_.on_close(*this);
}

void HeadlessDialog::run_window_moved(Handle window) {
  Dispatch d(site_);
  proc_.on_window_moved(*this, window);
}

bool HeadlessDialog::run_key(int id, KeyPress key) {
  auto* hook = dynamic_cast<KeyHook*>(&proc_);
  if (!hook) return false;
  Dispatch d(site_);
  return hook->on_key(*this, id, key);
}

int HeadlessDialog::default_button() const {
  constexpr std::uint32_t kButtonType = 0xF, kDefault = 0x1;  // BS_TYPEMASK, BS_DEFPUSHBUTTON
  for (const ControlState& c : controls_)
    if (c.kind() == ControlKind::push_button && (c.source().style & kButtonType) == kDefault) return c.id();
  return kIdOk;
}

void HeadlessDialog::run_size(WindowRect rect) {
  rect_ = rect;
  Dispatch d(site_);
  proc_.on_size(*this, rect.cx, rect.cy);
}

void HeadlessDialog::run_help(int id) {
  Dispatch d(site_);
  proc_.on_help(*this, id);
}

int HeadlessDialog::drop_index(int id) const {
  const ControlState* c = find(id);
  return c ? c->drop_index : -1;
}

WindowRect HeadlessDialog::control_rect(int id) const {
  const ControlState* c = find(id);
  return c ? c->rect : WindowRect{};
}

void HeadlessDialog::move_control(int id, WindowRect rect) {
  if (ControlState* c = control_state(id)) c->rect = rect;
}

const ControlState* HeadlessDialog::find(int id) const {
  for (const ControlState& c : controls_)
    if (c.id() == id) return &c;
  return nullptr;
}

ControlState* HeadlessDialog::control_state(int id) { return const_cast<ControlState*>(find(id)); }

std::string HeadlessDialog::text(int id) const {
  const ControlState* c = find(id);
  return c ? c->text : std::string();
}

void HeadlessDialog::set_text(int id, std::string_view text) {
  if (ControlState* c = control_state(id)) c->set_text(text);
}

int HeadlessDialog::check(int id) const {
  const ControlState* c = find(id);
  return c ? c->check : 0;
}

void HeadlessDialog::set_check(int id, int state) {
  ControlState* c = control_state(id);
  if (!c) return;
  if (state == 1 && c->kind() == ControlKind::radio_button && c->automatic())
    check_radio(static_cast<size_t>(c - controls_.data()));
  else
    c->check = std::clamp(state, 0, 2);
}

void HeadlessDialog::check_radio(size_t index) {
  for (size_t i : radio_group(controls_, index)) controls_[i].check = 0;
  controls_[index].check = 1;
}

bool HeadlessDialog::enabled(int id) const {
  const ControlState* c = find(id);
  return c && c->enabled;
}

void HeadlessDialog::enable(int id, bool on) {
  if (ControlState* c = control_state(id)) c->enabled = on;
}

bool HeadlessDialog::visible(int id) const {
  const ControlState* c = find(id);
  return c && c->visible;
}

void HeadlessDialog::show(int id, bool on) {
  if (ControlState* c = control_state(id)) c->visible = on;
}

void HeadlessDialog::set_focus(int id) {
  if (find(id)) focus_ = id;
}

void HeadlessDialog::clear_items(int id) {
  if (ControlState* c = control_state(id)) c->clear_items();
}

int HeadlessDialog::add_item(int id, std::string_view text) {
  ControlState* c = control_state(id);
  return c ? c->add_item(text) : -1;
}

int HeadlessDialog::insert_item(int id, int index, std::string_view text) {
  ControlState* c = control_state(id);
  return c ? c->insert_item(index, text) : -1;
}

void HeadlessDialog::delete_item(int id, int index) {
  if (ControlState* c = control_state(id)) c->delete_item(index);
}

int HeadlessDialog::item_count(int id) const {
  const ControlState* c = find(id);
  return c ? static_cast<int>(c->items().size()) : 0;
}

std::string HeadlessDialog::item_text(int id, int index) const {
  const ControlState* c = find(id);
  return c && c->valid(index) ? c->items()[index].text : std::string();
}

std::int32_t HeadlessDialog::item_data(int id, int index) const {
  const ControlState* c = find(id);
  return c && c->valid(index) ? c->items()[index].data : -1;
}

void HeadlessDialog::set_item_data(int id, int index, std::int32_t data) {
  if (ControlState* c = control_state(id)) c->set_item_data(index, data);
}

int HeadlessDialog::selection(int id) const {
  const ControlState* c = find(id);
  return c ? c->selection() : -1;
}

void HeadlessDialog::set_selection(int id, int index) {
  ControlState* c = control_state(id);
  if (!c) return;
  int before = c->selection();
  c->set_selection(index);
  if (c->kind() == ControlKind::tab_strip && c->selection() != before)
    run_command(id, Notify::selection);
}

int HeadlessDialog::find_item(int id, std::string_view text) const {
  const ControlState* c = find(id);
  return c ? c->find_item(text) : -1;
}

bool HeadlessDialog::item_selected(int id, int index) const {
  const ControlState* c = find(id);
  if (!c || !c->valid(index)) return false;
  return c->multi_select() ? c->items()[index].selected : c->selection() == index;
}

void HeadlessDialog::select_item(int id, int index, bool on) {
  if (ControlState* c = control_state(id)) c->select_item(index, on);
}

void HeadlessDialog::set_progress(int id, int position, int range) {
  if (ControlState* c = control_state(id)) {
    c->progress_position = position;
    c->progress_range = range;
    report_progress(caption_, position, range);
    site_.changed(*this);
  }
}

int HeadlessDialog::progress_position(int id) const {
  const ControlState* c = find(id);
  return c ? c->progress_position : 0;
}

int HeadlessDialog::progress_range(int id) const {
  const ControlState* c = find(id);
  return c ? c->progress_range : 0;
}

void HeadlessDialog::set_timer(int timer_id, int milliseconds) {
  Timer t;
  t.period = std::max(milliseconds, 1);  // a zero period would fire forever at one instant
  t.due = site_.now() + t.period;
  timers_[timer_id] = t;
}

void HeadlessDialog::kill_timer(int timer_id) { timers_.erase(timer_id); }

void HeadlessDialog::end(int result) {
  if (ended_ && !modal_) return;  // a closed window stays closed with its first result
  result_ = result;
  ended_ = true;
  if (!modal_) site_.window_ended(*this);
}

}  // namespace ui::detail
