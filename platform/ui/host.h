// The UI host: runs dialogs, message boxes, file and colour choosers, modeless
// windows and timers. The headless host (the default, used by every test)
// runs dialog procedures without drawing, driven by a script, and keeps a
// transcript of what was shown.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/painter.h"
#include "platform/ui/resources.h"

namespace ui {

namespace detail {
class DialogView;
}

// Message box flags, with the Windows values (MB_*).
constexpr std::uint32_t kMbOk = 0x0;
constexpr std::uint32_t kMbOkCancel = 0x1;
constexpr std::uint32_t kMbAbortRetryIgnore = 0x2;
constexpr std::uint32_t kMbYesNoCancel = 0x3;
constexpr std::uint32_t kMbYesNo = 0x4;
constexpr std::uint32_t kMbRetryCancel = 0x5;
constexpr std::uint32_t kMbIconStop = 0x10;
constexpr std::uint32_t kMbIconQuestion = 0x20;
constexpr std::uint32_t kMbIconExclamation = 0x30;
constexpr std::uint32_t kMbIconInformation = 0x40;
constexpr std::uint32_t kMbDefButton2 = 0x100;
constexpr std::uint32_t kMbDefButton3 = 0x200;

struct FileDialogRequest {
  bool save = false;            // save dialog instead of open
  std::string filter;           // e.g. "*.hpj" (the pattern part shown in the transcript)
  std::string initial_dir;
  std::string initial_file;
  std::string title;
};

using CustomColours = std::array<std::uint32_t, 16>;

// The screen in pixels, and the horizontal dialog base unit of its system
// font (8, or more with large fonts), which decides layouts and list item
// heights.
struct ScreenSize {
  int width = 1024, height = 768;
  int dialog_base_unit_x = 8;
};

class HeadlessHost;

class Host {
 public:
  virtual ~Host() = default;

  // Runs a modal dialog from a module's template; returns the value passed to
  // Dialog::end (0 when the dialog was cancelled or could not be created).
  virtual int run_modal(std::int32_t module, std::string_view template_name, DialogProc& proc,
                        Handle owner) = 0;
  // Creates a modeless dialog; the host owns proc until the window closes.
  virtual Handle create_modeless(std::int32_t module, std::string_view template_name,
                                 std::unique_ptr<DialogProc> proc, Handle owner) = 0;
  virtual bool is_window(Handle window) const = 0;
  virtual void destroy_window(Handle window) = 0;
  // Delivers a timer message to a window's procedure now (WM_TIMER by hand).
  virtual void send_timer(Handle window, int timer_id) = 0;
  // The running dialog of a window handle (modeless windows), or nullptr.
  virtual Dialog* find_dialog(Handle window) = 0;
  // Finds an open modeless window by template name, 0 when none.
  virtual Handle find_window(std::string_view template_name) const = 0;

  // Returns kIdOk, kIdCancel, kIdYes, ...
  virtual int message_box(Handle owner, std::string_view text, std::string_view caption,
                          std::uint32_t flags) = 0;
  // The chosen path, or nullopt when cancelled.
  virtual std::optional<std::string> file_dialog(Handle owner, const FileDialogRequest& request) = 0;
  // The chosen colour, or nullopt when cancelled; custom colours may change.
  virtual std::optional<std::uint32_t> choose_colour(Handle owner, std::uint32_t initial,
                                                     CustomColours& custom) = 0;

  // Registered window classes ("ProgMeter", "WndEd", "BitStat", "TWTab").
  virtual bool register_class(std::string_view name, std::uint32_t background) = 0;
  virtual bool class_registered(std::string_view name) const = 0;
  // Top-level windows of a registered class with a user-movable rectangle.
  virtual Handle create_window(std::string_view class_name, WindowRect rect, Handle owner) = 0;
  // The rectangle of such a window or of a dialog (modeless windows keep
  // theirs while they are open).
  virtual WindowRect window_rect(Handle window) const = 0;
  // Moves or sizes such a window or a dialog from the program's side (no
  // notification).
  virtual void set_window_rect(Handle window, WindowRect rect) {}
  // The title of such a window.
  virtual void set_window_title(Handle window, std::string_view title) {}
  virtual std::string window_title(Handle window) const { return {}; }
  // Paints a window (control 0) or an owner-drawn control of a dialog now:
  // draw runs against the host's painter for that area.
  virtual void paint(Handle window, int control, const PaintFn& draw) {}

  // Lets the user act in the open modeless windows now, as the caller's
  // message loop does between two commands (the headless host applies the
  // script's "window" lines and the actions after them).
  virtual void pump() {}

  virtual ScreenSize screen_size() const = 0;
  // A handle that stands for the caller's main window.
  virtual Handle main_window() = 0;

  // Appends one line to the transcript (platform services note exec,
  // winhelp and beep here).
  virtual void note(std::string_view line) = 0;
};

// The process-wide host. The first call creates it: the GUI host when a
// display is there (or the caller asked for it) and the GUI module loads, the
// headless host otherwise and always when TARVENWICK_UI_SCRIPT names a script.
// TARVENWICK_UI_HOST=gui makes the scripts drive the GUI host (tests under
// Qt's offscreen platform), =headless keeps it headless. Either host reads
// TARVENWICK_UI_SCRIPT and appends to TARVENWICK_UI_TRANSCRIPT when set.
Host& host();
void set_host(std::unique_ptr<Host> host);

// What the caller asks for before the first use of host(): twhost's --gui,
// or the headless host when it runs a script.
enum class HostChoice { automatic, gui, headless };
void request_host(HostChoice choice);

// A host for a scripted run: the GUI host driven by the script when
// TARVENWICK_UI_HOST=gui and the module loads, else a headless host.
std::unique_ptr<HeadlessHost> make_scripted_host();

// The headless host: the script says what the user does. The script format
// is described in platform/ui/script.h, the transcript format in
// platform/ui/transcript.h.
class HeadlessHost : public Host {
 public:
  HeadlessHost();
  ~HeadlessHost() override;

  // Queues script lines (one action a line, '#' comment lines).
  void queue_script(std::string_view script);
  // Script lines not consumed yet.
  std::vector<std::string> pending_script() const;
  // The transcript so far (also appended to transcript_file when set).
  const std::vector<std::string>& transcript() const;
  void clear_transcript();
  void set_transcript_file(std::string host_path);
  void set_screen_size(ScreenSize size);
  // Advances the host's clock, firing the timers of open windows in order.
  void advance_time(int milliseconds);
  // The host's clock: milliseconds advanced since the host was made.
  std::int64_t now() const;

  int run_modal(std::int32_t module, std::string_view template_name, DialogProc& proc,
                Handle owner) override;
  Handle create_modeless(std::int32_t module, std::string_view template_name,
                         std::unique_ptr<DialogProc> proc, Handle owner) override;
  bool is_window(Handle window) const override;
  void destroy_window(Handle window) override;
  void send_timer(Handle window, int timer_id) override;
  Dialog* find_dialog(Handle window) override;
  Handle find_window(std::string_view template_name) const override;
  int message_box(Handle owner, std::string_view text, std::string_view caption,
                  std::uint32_t flags) override;
  std::optional<std::string> file_dialog(Handle owner, const FileDialogRequest& request) override;
  std::optional<std::uint32_t> choose_colour(Handle owner, std::uint32_t initial,
                                             CustomColours& custom) override;
  bool register_class(std::string_view name, std::uint32_t background) override;
  bool class_registered(std::string_view name) const override;
  Handle create_window(std::string_view class_name, WindowRect rect, Handle owner) override;
  WindowRect window_rect(Handle window) const override;
  void set_window_rect(Handle window, WindowRect rect) override;
  void set_window_title(Handle window, std::string_view title) override;
  std::string window_title(Handle window) const override;
  void paint(Handle window, int control, const PaintFn& draw) override;
  // What the last paint of that window or control drew (RecordingPainter
  // lines), empty when it was never painted.
  std::vector<std::string> paint_record(Handle window, int control = 0) const;
  void pump() override;
  ScreenSize screen_size() const override;
  Handle main_window() override;
  void note(std::string_view line) override;

  // Something that draws the windows and lets a person act in them (the GUI
  // host sets itself); nullptr runs without drawing.
  void set_view(detail::DialogView* view);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Told of every move of a progress meter in a dialog: the dialog's caption,
// the position and the range. A caller without windows shows the libraries'
// progress windows its own way through it (twhost draws them on the
// terminal). An empty function stops the telling.
using ProgressObserver = std::function<void(std::string_view caption, int position, int range)>;
void set_progress_observer(ProgressObserver observer);
// Tells the observer, when there is one (the dialogs call this).
void report_progress(std::string_view caption, int position, int range);

// The headless host when it is the current host, else nullptr (for tests).
HeadlessHost* headless();

}  // namespace ui
