// Dialogs: resource templates driven by dialog procedures. A procedure talks
// to its dialog only through ui::Dialog, so any host can run it.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// Standard command ids.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// What happened to a control (the notification of WM_COMMAND / WM_NOTIFY).
enum class Notify {
  clicked,         // button pressed, check box or radio button toggled
  double_clicked,  // list item double-clicked
  selection,       // list, combo or tab selection changed
  changed,         // edit or combo text changed
  focus_lost,
  focus_gained,
  dropped,         // a list line dragged and dropped (Dialog::drop_index says where)
};

using Handle = std::int32_t;

// A window's or a control's place and size in pixels (a control's place is
// within its dialog).
struct WindowRect { int x = 0, y = 0, cx = 0, cy = 0; };

// A running dialog (or modeless window) as its procedure sees it.
class Dialog {
 public:
  virtual ~Dialog() = default;

  virtual Handle handle() const = 0;
  virtual Handle owner() const = 0;
  virtual std::string template_name() const = 0;

  virtual std::string caption() const = 0;
  virtual void set_caption(std::string_view caption) = 0;

  virtual bool has_control(int id) const = 0;
  virtual std::string text(int id) const = 0;
  virtual void set_text(int id, std::string_view text) = 0;
  virtual int check(int id) const = 0;              // 0, 1 (or 2: indeterminate)
  virtual void set_check(int id, int state) = 0;
  virtual bool enabled(int id) const = 0;
  virtual void enable(int id, bool on) = 0;
  virtual bool visible(int id) const = 0;
  virtual void show(int id, bool on) = 0;
  virtual void set_focus(int id) = 0;
  virtual int focus() const = 0;                    // id of the focused control, -1

  // List boxes, combo boxes and the "TWTab" strip share the item calls.
  virtual void clear_items(int id) = 0;
  virtual int add_item(int id, std::string_view text) = 0;      // index
  virtual int insert_item(int id, int index, std::string_view text) = 0;
  virtual void delete_item(int id, int index) = 0;
  virtual int item_count(int id) const = 0;
  virtual std::string item_text(int id, int index) const = 0;
  virtual std::int32_t item_data(int id, int index) const = 0;
  virtual void set_item_data(int id, int index, std::int32_t data) = 0;
  virtual int selection(int id) const = 0;          // -1 when none
  virtual void set_selection(int id, int index) = 0;
  // Index of the first item equal to text (case-insensitive), -1 when none.
  virtual int find_item(int id, std::string_view text) const = 0;
  // Multi-selection list boxes.
  virtual bool item_selected(int id, int index) const = 0;
  virtual void select_item(int id, int index, bool on) = 0;

  // Where the drag of a list line that is being reported as dropped ended:
  // the index of the line it was dropped on, or the item count when it was
  // dropped below the last line; -1 outside that notification. The dragged
  // line is the list's selection.
  virtual int drop_index(int id) const { return -1; }

  // Where a control sits in the dialog; moving one notifies nobody.
  virtual WindowRect control_rect(int id) const { return {}; }
  virtual void move_control(int id, WindowRect rect) {}

  // Progress meters ("ProgMeter"): position out of range.
  virtual void set_progress(int id, int position, int range) = 0;
  // What the meter shows now (0 for a control that is not a meter).
  virtual int progress_position(int id) const { return 0; }
  virtual int progress_range(int id) const { return 0; }

  virtual void set_timer(int timer_id, int milliseconds) = 0;
  virtual void kill_timer(int timer_id) = 0;

  // Ends a modal dialog with result, or closes a modeless window.
  virtual void end(int result) = 0;
  virtual bool ended() const = 0;
};

// The behaviour of one dialog. Default handling: OK ends with 1, Cancel with 0.
class DialogProc {
 public:
  virtual ~DialogProc() = default;
  // Runs before the dialog is shown; controls hold their template texts.
  virtual void on_init(Dialog& dialog) {}
  virtual void on_command(Dialog& dialog, int id, Notify notify);
  virtual void on_timer(Dialog& dialog, int timer_id) {}
  // Runs when the dialog or window is about to go away.
  virtual void on_close(Dialog& dialog) {}
  // The user moved or sized a top-level window this dialog owns (see
  // Host::create_window); the new rectangle is Host::window_rect(window).
  virtual void on_window_moved(Dialog& dialog, Handle window) {}
  // The user resized this dialog (a sizable modeless window); width and
  // height are its new size in pixels.
  virtual void on_size(Dialog& dialog, int width, int height) {}
  // The user asked for help on a control of this dialog: F1 while it has
  // the focus, or "What's This?" on it (WM_HELP, WM_CONTEXTMENU). Controls
  // without an id (labels) are never asked about.
  virtual void on_help(Dialog& dialog, int control) {}
};

}  // namespace ui
