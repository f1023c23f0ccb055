// HeadlessHost: the Host calls, forwarded to the headless core, and the
// script, transcript and clock controls tests and twhost use.
#include "platform/ui/fonts.h"
#include "platform/ui/headless_core.h"
#include "platform/ui/host.h"

#include <map>
#include <utility>

namespace ui {

struct HeadlessHost::Impl : detail::HeadlessCore {
  std::map<std::pair<Handle, int>, std::vector<std::string>> paintings;
};

HeadlessHost::HeadlessHost() : impl_(std::make_unique<Impl>()) {}
HeadlessHost::~HeadlessHost() = default;

void HeadlessHost::queue_script(std::string_view script) {
  for (std::string& error : impl_->script().queue(script)) impl_->transcript().add(std::move(error));
}

std::vector<std::string> HeadlessHost::pending_script() const { return impl_->script().pending(); }
const std::vector<std::string>& HeadlessHost::transcript() const { return impl_->transcript().lines(); }
void HeadlessHost::clear_transcript() { impl_->transcript().clear(); }
void HeadlessHost::set_transcript_file(std::string host_path) { impl_->transcript().set_file(std::move(host_path)); }
void HeadlessHost::set_screen_size(ScreenSize size) { impl_->screen = size; }
void HeadlessHost::advance_time(int milliseconds) { impl_->advance_time(milliseconds); }
std::int64_t HeadlessHost::now() const { return impl_->now(); }

int HeadlessHost::run_modal(std::int32_t module, std::string_view template_name, DialogProc& proc,
                            Handle owner) {
  return impl_->run_modal(module, template_name, proc, owner);
}

Handle HeadlessHost::create_modeless(std::int32_t module, std::string_view template_name,
                                     std::unique_ptr<DialogProc> proc, Handle owner) {
  return impl_->create_modeless(module, template_name, std::move(proc), owner);
}

bool HeadlessHost::is_window(Handle window) const { return impl_->is_window(window); }
void HeadlessHost::destroy_window(Handle window) { impl_->destroy_window(window); }
void HeadlessHost::send_timer(Handle window, int timer_id) { impl_->send_timer(window, timer_id); }
Dialog* HeadlessHost::find_dialog(Handle window) { return impl_->dialog(window); }
Handle HeadlessHost::find_window(std::string_view template_name) const {
  return impl_->find_window(template_name);
}

int HeadlessHost::message_box(Handle owner, std::string_view text, std::string_view caption,
                              std::uint32_t flags) {
  return impl_->message_box(text, caption, flags);
}

std::optional<std::string> HeadlessHost::file_dialog(Handle owner, const FileDialogRequest& request) {
  return impl_->file_dialog(request);
}

std::optional<std::uint32_t> HeadlessHost::choose_colour(Handle owner, std::uint32_t initial,
                                                         CustomColours& custom) {
  return impl_->choose_colour(initial);
}

bool HeadlessHost::register_class(std::string_view name, std::uint32_t background) {
  return impl_->register_class(name, background);
}

bool HeadlessHost::class_registered(std::string_view name) const { return impl_->class_registered(name); }

Handle HeadlessHost::create_window(std::string_view class_name, WindowRect rect, Handle owner) {
  return impl_->create_window(class_name, rect, owner);
}

WindowRect HeadlessHost::window_rect(Handle window) const {
  if (const detail::PlainWindow* w = impl_->plain_window(window)) return w->rect;
  const detail::HeadlessDialog* d = impl_->dialog(window);
  return d ? d->rect() : WindowRect{};
}

void HeadlessHost::set_window_rect(Handle window, WindowRect rect) {
  if (detail::PlainWindow* w = impl_->plain_window(window)) w->rect = rect;
  else if (detail::HeadlessDialog* d = impl_->dialog(window)) d->set_rect(rect);
}

void HeadlessHost::set_window_title(Handle window, std::string_view title) {
  if (detail::PlainWindow* w = impl_->plain_window(window)) w->title = std::string(title);
}

std::string HeadlessHost::window_title(Handle window) const {
  const detail::PlainWindow* w = impl_->plain_window(window);
  return w ? w->title : std::string();
}

void HeadlessHost::paint(Handle window, int control, const PaintFn& draw) {
  RecordingFontPainter painter;  // RecordingPainter's lines and the font choices
  if (draw) draw(painter);
  impl_->paintings[{window, control}] = painter.record();
}

std::vector<std::string> HeadlessHost::paint_record(Handle window, int control) const {
  auto it = impl_->paintings.find({window, control});
  return it == impl_->paintings.end() ? std::vector<std::string>{} : it->second;
}

void HeadlessHost::pump() { impl_->pump(); }

ScreenSize HeadlessHost::screen_size() const { return impl_->screen; }
Handle HeadlessHost::main_window() { return detail::HeadlessCore::kMainWindow; }
void HeadlessHost::note(std::string_view line) { impl_->transcript().add(std::string(line)); }
void HeadlessHost::set_view(detail::DialogView* view) { impl_->view = view; }

}  // namespace ui
