#include "platform/ui/gui/gui_host.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <cstdlib>

#include "platform/ui/gui/authoring_window.h"
#include "platform/ui/gui/dialog_metrics.h"
#include "platform/ui/gui/dialog_window.h"
#include "platform/ui/gui/layout_check.h"
#include "platform/ui/gui/plain_window.h"
#include "platform/ui/gui/prompts.h"
#include "platform/ui/gui/qt_painter.h"
#include "platform/ui/gui/text_edge.h"
#include "platform/ui/headless_core.h"
#include "platform/ui/message_box.h"
#include "platform/ui/script.h"
#include "platform/ui/transcript.h"

namespace ui::gui {

namespace {
constexpr int kTickMilliseconds = 25;
}

GuiHost::GuiHost(bool scripted) : scripted_(scripted), shots_folder_(shots_folder_from_environment()) {
  set_view(this);
  if (!scripted_) {
    QObject::connect(&clock_, &QTimer::timeout, [this] { tick(); });
    elapsed_.start();
    clock_.start(kTickMilliseconds);
  }
}

GuiHost::~GuiHost() {
  set_view(nullptr);
  for (auto& [handle, window] : dialogs_)
    if (window) window->detach();
  for (auto& [handle, window] : windows_)
    if (window) window->deleteLater();
}

DialogWindow* GuiHost::window_of(Handle dialog) const {
  auto it = dialogs_.find(dialog);
  return it == dialogs_.end() ? nullptr : it->second.data();
}

QWidget* GuiHost::widget_of(Handle window) const {
  if (DialogWindow* d = window_of(window)) return d;
  auto it = windows_.find(window);
  if (it != windows_.end() && it->second) return it->second.data();
  if (window == detail::HeadlessCore::kMainWindow && main_widget_) return main_widget_.data();
  QWidget* active = QApplication::activeModalWidget();
  return active ? active : QApplication::activeWindow();
}

DialogWindow* GuiHost::ensure_window(detail::HeadlessDialog& dialog) {
  if (DialogWindow* made = window_of(dialog.handle())) return made;
  // A page made while its owner dialog starts up is drawn inside it, so the
  // owner's window is made first.
  QWidget* parent = drawn_dialog(dialog.owner());
  if (!parent) parent = widget_of(dialog.owner());
  auto* window = new DialogWindow(dialog, [this] { sync_all(); }, parent);
  if (!dialog.modal() && !window->embedded()) window->setWindowFlag(Qt::Window, true);
  dialogs_[dialog.handle()] = window;
  return window;
}

DialogWindow* GuiHost::drawn_dialog(Handle window) {
  if (DialogWindow* made = window_of(window)) return made;
  auto* dialog = dynamic_cast<detail::HeadlessDialog*>(find_dialog(window));
  return dialog && !dialog->ended() ? ensure_window(*dialog) : nullptr;
}

void GuiHost::opened(detail::HeadlessDialog& dialog) {
  opened_.insert(dialog.handle());
  DialogWindow* window = ensure_window(dialog);
  window->sync();
  if (!scripted_ && !dialog.modal()) window->show();
  if (!shots_folder_.isEmpty()) keep_dialog_shot(*window, shots_folder_);
  if (observer_) observer_(*window);
}

bool GuiHost::run_modal(detail::HeadlessDialog& dialog) {
  DialogWindow* window = window_of(dialog.handle());
  if (scripted_ || !window) return false;
  window->sync();
  if (window->isVisible()) window->hide();  // shown while it started up: now it is modal
  if (!dialog.ended()) window->exec();
  return true;
}

void GuiHost::changed(detail::HeadlessDialog& dialog) {
  // A dialog that runs its job while it starts up (a report's progress)
  // shows itself at its meter's first move, or a person would never see it.
  const bool starting = !opened_.count(dialog.handle());
  DialogWindow* window = starting ? ensure_window(dialog) : window_of(dialog.handle());
  if (window) window->sync();
  if (scripted_) return;
  if (window && starting && !window->isVisible()) window->show();
  // A meter moving during a long job: the desktop draws it now.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GuiHost::closed(detail::HeadlessDialog& dialog) {
  const bool was_opened = opened_.erase(dialog.handle()) > 0;
  auto it = dialogs_.find(dialog.handle());
  if (it == dialogs_.end()) return;
  // One that ended while it started up is kept as it last looked.
  if (!was_opened && it->second && !shots_folder_.isEmpty()) {
    it->second->sync();
    keep_dialog_shot(*it->second, shots_folder_);
  }
  if (it->second) it->second->detach();
  dialogs_.erase(it);
}

void GuiHost::window_created(Handle window, const detail::PlainWindow& state) {
  const Handle owner = state.owner;
  auto* w = new PlainWindow(
      [this, window, owner](WindowRect rect) {
        HeadlessHost::set_window_rect(window, rect);
        if (auto* d = dynamic_cast<detail::HeadlessDialog*>(find_dialog(owner)); d && !d->ended()) {
          d->run_window_moved(window);
          sync_all();
        }
      },
      widget_of(owner));
  w->setObjectName(from_host_text(state.class_name));
  w->place(state.rect);
  windows_[window] = w;
  if (!scripted_) w->show();
}

void GuiHost::window_destroyed(Handle window) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  if (it->second) it->second->deleteLater();
  windows_.erase(it);
}

// A flow's own queued answer (opening the window's project, confirming an
// import) answers the box or chooser it was queued for; the person answers
// the rest.
bool GuiHost::script_answers(int action) const {
  const std::vector<std::string> pending = pending_script();
  std::string error;
  if (pending.empty()) return false;
  const std::optional<detail::ScriptLine> line = detail::parse_script_line(pending.front(), &error);
  return line && static_cast<int>(line->action) == action;
}

int GuiHost::message_box(Handle owner, std::string_view text, std::string_view caption, std::uint32_t flags) {
  if (scripted_ || script_answers(static_cast<int>(detail::Action::message)))
    return HeadlessHost::message_box(owner, text, caption, flags);
  const int answer = show_message_box(widget_of(owner), text, caption, flags);
  note(detail::message_line(text, caption, detail::icon_name(flags), detail::answer_name(answer), ""));
  sync_all();
  return answer;
}

std::optional<std::string> GuiHost::file_dialog(Handle owner, const FileDialogRequest& request) {
  if (scripted_ || script_answers(static_cast<int>(detail::Action::file)))
    return HeadlessHost::file_dialog(owner, request);
  std::optional<std::string> path = show_file_dialog(widget_of(owner), request);
  note(detail::file_dialog_line(request.save, request.filter, path ? &*path : nullptr, false));
  return path;
}

std::optional<std::uint32_t> GuiHost::choose_colour(Handle owner, std::uint32_t initial, CustomColours& custom) {
  if (scripted_) return HeadlessHost::choose_colour(owner, initial, custom);
  std::optional<std::uint32_t> colour = show_colour_dialog(widget_of(owner), initial, custom);
  note(detail::colour_line(colour ? &*colour : nullptr, false));
  return colour;
}

void GuiHost::set_window_rect(Handle window, WindowRect rect) {
  HeadlessHost::set_window_rect(window, rect);
  if (auto it = windows_.find(window); it != windows_.end() && it->second) it->second->place(rect);
  else if (DialogWindow* d = window_of(window)) d->sync();
}

void GuiHost::set_window_title(Handle window, std::string_view title) {
  HeadlessHost::set_window_title(window, title);
  if (auto it = windows_.find(window); it != windows_.end() && it->second)
    it->second->setWindowTitle(from_host_text(title));
}

void GuiHost::paint(Handle window, int control, const PaintFn& draw) {
  HeadlessHost::paint(window, control, draw);
  if (DialogWindow* d = drawn_dialog(window)) return d->paint_control(control, draw);
  auto it = windows_.find(window);
  if (it == windows_.end() || !it->second || !draw) return;
  PlainWindow& w = *it->second;
  const WindowRect r = window_rect(window);
  QImage picture(QSize(std::max(r.cx, 1), std::max(r.cy, 1)), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::white);
  QPainter qp(&picture);
  QtPainter painter(qp, QPointF(1, 1), w.font());
  draw(painter);
  qp.end();
  w.set_picture(std::move(picture));
}

void GuiHost::pump() {
  HeadlessHost::pump();
  if (!scripted_) QCoreApplication::processEvents();
  sync_all();
}

ScreenSize GuiHost::screen_size() const {
  if (scripted_) return HeadlessHost::screen_size();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return HeadlessHost::screen_size();
  // The base unit comes from the desktop's own font, as the system font's would.
  const QFont font = QApplication::font();
  const int base_x = static_cast<int>(metrics_for_font(font.family(), font.pointSize()).base_x);
  return {screen->availableGeometry().width(), screen->availableGeometry().height(), base_x};
}

void GuiHost::set_item_height(Handle dialog, int list, int pixels) {
  if (Dialog* d = find_dialog(dialog))
    note("itemheight " + d->template_name() + " " + std::to_string(list) + " " + std::to_string(pixels));
  if (DialogWindow* window = drawn_dialog(dialog)) window->set_item_height(list, pixels);
}

void GuiHost::set_top_index(Handle dialog, int list, int index) {
  if (Dialog* d = find_dialog(dialog))
    note("topindex " + d->template_name() + " " + std::to_string(list) + " " + std::to_string(index));
  if (DialogWindow* window = drawn_dialog(dialog)) window->set_top_index(list, index);
}

std::string GuiHost::window_name(Handle window) {
  if (window == main_window()) return "main";
  if (Dialog* dialog = find_dialog(window)) return dialog->template_name();
  return "window " + std::to_string(window);
}

void GuiHost::set_topmost(Handle window, bool on) {
  note("topmost " + window_name(window) + (on ? " on" : " off"));
  if (QWidget* w = widget_of(window); w && window != main_window()) {
    const bool shown = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) w->show();
  }
}

void GuiHost::minimise(Handle window) {
  note("minimise " + window_name(window));
  if (QWidget* w = widget_of(window); w && window != main_window()) w->showMinimized();
}

bool GuiHost::run_main_window(const MainWindowContent& content) {
  if (scripted_) return false;
  AuthoringWindow window(content);
  QEventLoop loop;
  window.on_close = [&loop] { loop.quit(); };
  main_widget_ = &window;
  window.show();
  loop.exec();
  main_widget_ = nullptr;
  return true;
}

void GuiHost::sync_all() {
  // A call may close windows: work on a copy of the handles.
  std::vector<Handle> open;
  for (const auto& [handle, window] : dialogs_) open.push_back(handle);
  for (Handle h : open)
    if (DialogWindow* w = window_of(h)) w->sync();
}

void GuiHost::tick() {
  const qint64 now = elapsed_.elapsed();
  const int step = static_cast<int>(now - last_tick_);
  last_tick_ = now;
  if (step <= 0) return;
  advance_time(step);
  sync_all();
}

}  // namespace ui::gui

namespace {

// Qt wants its arguments to outlive the application.
int g_argc = 1;
char g_name[] = "tarvenwick";
char* g_argv[] = {g_name, nullptr};

bool qt_can_start() {
  if (QApplication::instance()) return true;
  const auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

// The module's one entry: the host registry loads it by name. nullptr when
// Qt has no display to start on.
extern "C" __attribute__((visibility("default"))) ui::HeadlessHost* tw_gui_host_create(int scripted) {
  if (!qt_can_start()) return nullptr;
  if (!QApplication::instance()) new QApplication(g_argc, g_argv);  // lives as long as the process
  return new ui::gui::GuiHost(scripted != 0);
}
