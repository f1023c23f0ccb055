// A dialog or modeless window of the headless host: the controls made from
// its template, its timers, and the calls into its procedure.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/keys.h"
#include "platform/ui/resources.h"

namespace ui::detail {

class HeadlessDialog;

// What a headless window needs from its host.
class WindowSite {
 public:
  virtual ~WindowSite() = default;
  virtual std::int64_t now() const = 0;
  // A modeless window's procedure ended it; the host closes it.
  virtual void window_ended(HeadlessDialog& window) = 0;
  // Bracket every call into a procedure; windows closed meanwhile are freed
  // only once the outermost call has returned.
  virtual void enter() = 0;
  virtual void leave() = 0;
  // The window's state changed outside a call into its procedure.
  virtual void changed(HeadlessDialog& window) {}
};

struct Timer {
  int period = 1;        // milliseconds
  std::int64_t due = 0;  // host clock of the next firing
};

class HeadlessDialog final : public Dialog {
 public:
  HeadlessDialog(WindowSite& site, Handle handle, Handle owner, const DialogTemplate& t,
                 const ResourceSet& resources, DialogProc& proc, bool modal);
  // Modeless windows own their procedure.
  void own(std::unique_ptr<DialogProc> proc) { owned_proc_ = std::move(proc); }

  // Calls into the procedure.
  void run_init();
  void run_command(int id, Notify notify);
  void run_timer(int timer_id);
  void run_close();
  void run_window_moved(Handle window);
  // The procedure's keystroke hook (when it is a KeyHook); true when it took the key.
  bool run_key(int id, KeyPress key);
  // The default push button's id, or OK when the template has none.
  int default_button() const;
  // The user gave the window this rectangle.
  void run_size(WindowRect rect);
  // The user asked for help on a control.
  void run_help(int id);

  bool modal() const { return modal_; }
  int result() const { return result_; }
  bool closing() const { return closing_; }
  void mark_closing() { closing_ = true; }
  // Whether the "window ... opened" line of a modeless window was written.
  bool announced() const { return announced_; }
  void mark_announced() { announced_ = true; }
  // The template's name, or its number as text.
  const std::string& identifier() const { return identifier_; }
  const DialogTemplate& source() const { return template_; }
  const ResourceSet& resources() const { return resources_; }
  ControlState* control_state(int id);
  std::map<int, Timer>& timers() { return timers_; }
  WindowRect rect() const { return rect_; }
  void set_rect(WindowRect rect) { rect_ = rect; }

  Handle handle() const override { return handle_; }
  Handle owner() const override { return owner_; }
  std::string template_name() const override { return identifier_; }
  std::string caption() const override { return caption_; }
  void set_caption(std::string_view caption) override { caption_ = std::string(caption); }

  bool has_control(int id) const override { return find(id) != nullptr; }
  std::string text(int id) const override;
  void set_text(int id, std::string_view text) override;
  int check(int id) const override;
  void set_check(int id, int state) override;
  bool enabled(int id) const override;
  void enable(int id, bool on) override;
  bool visible(int id) const override;
  void show(int id, bool on) override;
  void set_focus(int id) override;
  int focus() const override { return focus_; }

  void clear_items(int id) override;
  int add_item(int id, std::string_view text) override;
  int insert_item(int id, int index, std::string_view text) override;
  void delete_item(int id, int index) override;
  int item_count(int id) const override;
  std::string item_text(int id, int index) const override;
  std::int32_t item_data(int id, int index) const override;
  void set_item_data(int id, int index, std::int32_t data) override;
  int selection(int id) const override;
  void set_selection(int id, int index) override;
  int find_item(int id, std::string_view text) const override;
  bool item_selected(int id, int index) const override;
  void select_item(int id, int index, bool on) override;

  int drop_index(int id) const override;
  WindowRect control_rect(int id) const override;
  void move_control(int id, WindowRect rect) override;

  void set_progress(int id, int position, int range) override;
  int progress_position(int id) const override;
  int progress_range(int id) const override;

  void set_timer(int timer_id, int milliseconds) override;
  void kill_timer(int timer_id) override;

  void end(int result) override;
  bool ended() const override { return ended_; }

 private:
  const ControlState* find(int id) const;
  // Ticks an automatic radio button and clears the rest of its group.
  void check_radio(size_t index);

  WindowSite& site_;
  Handle handle_;
  Handle owner_;
  DialogTemplate template_;
  const ResourceSet& resources_;
  DialogProc& proc_;
  std::unique_ptr<DialogProc> owned_proc_;
  bool modal_;
  std::string identifier_;
  std::string caption_;
  std::vector<ControlState> controls_;
  std::map<int, Timer> timers_;
  WindowRect rect_;
  int focus_ = -1;
  bool ended_ = false;
  bool closing_ = false;
  bool announced_ = false;
  int result_ = 0;
};

}  // namespace ui::detail
