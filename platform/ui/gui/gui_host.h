// The GUI host: the headless core keeps the control model, the script and
// the transcript; this host draws every dialog with Qt widgets and lets a
// person act in them. Driven by a script (tests under Qt's offscreen
// platform) it draws the same dialogs while the script acts, so the
// transcripts match the headless host's.
#pragma once
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/ui/dialog_view.h"
#include "platform/ui/host.h"
#include "platform/ui/list_view.h"
#include "platform/ui/main_window.h"
#include "platform/ui/window_state.h"

namespace ui::gui {

class DialogWindow;
class PlainWindow;

class GuiHost : public HeadlessHost,
                public detail::DialogView,
                public WindowStates,
                public MainWindowHost,
                public ListViews {
 public:
  // scripted: the script answers everything and nothing waits for a person.
  explicit GuiHost(bool scripted);
  ~GuiHost() override;

  // Called with each dialog's window once it is drawn after its
  // initialisation (tests grab and measure it).
  using OpenObserver = std::function<void(DialogWindow& window)>;
  void set_open_observer(OpenObserver observer) { observer_ = std::move(observer); }
  DialogWindow* window_of(Handle dialog) const;

  // Host
  int message_box(Handle owner, std::string_view text, std::string_view caption, std::uint32_t flags) override;
  std::optional<std::string> file_dialog(Handle owner, const FileDialogRequest& request) override;
  std::optional<std::uint32_t> choose_colour(Handle owner, std::uint32_t initial, CustomColours& custom) override;
  void set_window_rect(Handle window, WindowRect rect) override;
  void set_window_title(Handle window, std::string_view title) override;
  void paint(Handle window, int control, const PaintFn& draw) override;
  void pump() override;
  ScreenSize screen_size() const override;

  // DialogView
  void opened(detail::HeadlessDialog& dialog) override;
  bool run_modal(detail::HeadlessDialog& dialog) override;
  void changed(detail::HeadlessDialog& dialog) override;
  void closed(detail::HeadlessDialog& dialog) override;
  void window_created(Handle window, const detail::PlainWindow& state) override;
  void window_destroyed(Handle window) override;

  // WindowStates
  void set_topmost(Handle window, bool on) override;
  void minimise(Handle window) override;

  // ListViews: noted in the transcript as the headless host notes them, and shown.
  void set_item_height(Handle dialog, int list, int pixels) override;
  void set_top_index(Handle dialog, int list, int index) override;

  // MainWindowHost: the caller's authoring window, until the person closes
  // it (a scripted host has none).
  bool run_main_window(const MainWindowContent& content) override;

 private:
  QWidget* widget_of(Handle window) const;
  // The script's next line answers a prompt of this kind (detail::Action).
  bool script_answers(int action) const;
  // The dialog's window, made now when the procedure paints or sets its lists
  // during its initialisation, before the core says it opened.
  DialogWindow* ensure_window(detail::HeadlessDialog& dialog);
  DialogWindow* drawn_dialog(Handle window);
  std::string window_name(Handle window);
  // After anything the person did: every window shows its model again.
  void sync_all();
  // Real time drives the windows' timers when a person is there.
  void tick();

  bool scripted_;
  // TARVENWICK_GUI_SHOTS: where each dialog's picture and layout findings go
  // once its procedure started it.
  QString shots_folder_;
  OpenObserver observer_;
  std::map<Handle, QPointer<DialogWindow>> dialogs_;
  std::set<Handle> opened_;  // dialogs past their initialisation
  std::map<Handle, QPointer<PlainWindow>> windows_;
  QPointer<QWidget> main_widget_;  // the authoring window while it is open
  QTimer clock_;
  QElapsedTimer elapsed_;
  qint64 last_tick_ = 0;
};

}  // namespace ui::gui

// The module's entry, found by name by the host registry: the GUI host, or
// nullptr when Qt has no display to start on (QT_QPA_PLATFORM, DISPLAY or
// WAYLAND_DISPLAY). The process keeps one QApplication from the first call.
extern "C" ui::HeadlessHost* tw_gui_host_create(int scripted);
