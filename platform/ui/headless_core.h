// The state and workings of the headless host behind HeadlessHost: open
// windows, the script, the transcript, the clock and the window classes.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog_view.h"
#include "platform/ui/headless_dialog.h"
#include "platform/ui/host.h"
#include "platform/ui/script.h"
#include "platform/ui/transcript.h"

namespace ui::detail {

// A top-level window of a registered class (create_window).
struct PlainWindow {
  std::string class_name;
  WindowRect rect;
  Handle owner = 0;
  std::string title;
};

class HeadlessCore : public WindowSite {
 public:
  static constexpr Handle kMainWindow = 1;

  HeadlessCore() = default;
  HeadlessCore(const HeadlessCore&) = delete;
  HeadlessCore& operator=(const HeadlessCore&) = delete;

  // WindowSite
  std::int64_t now() const override { return clock_; }
  void window_ended(HeadlessDialog& window) override { close_dialog(window.handle()); }
  void enter() override { ++depth_; }
  void leave() override;
  void changed(HeadlessDialog& window) override {
    if (view) view->changed(window);
  }

  // Dialogs (headless_modal.cpp).
  int run_modal(std::int32_t module, std::string_view name, DialogProc& proc, Handle owner);
  Handle create_modeless(std::int32_t module, std::string_view name, std::unique_ptr<DialogProc> proc,
                         Handle owner);

  // Windows and timers (headless_windows.cpp).
  // A handle for a new window of ours: never one that is open, nor the
  // number of a caller's window that the new window or an open one names as
  // its owner.
  Handle new_handle(Handle owner = 0);
  HeadlessDialog* dialog(Handle window);
  const HeadlessDialog* dialog(Handle window) const;
  // The newest open modeless window owned by owner that has control id (a
  // child dialog of a window: the user's action there reaches it), or nullptr.
  HeadlessDialog* child_with_control(Handle owner, int id);
  bool is_window(Handle window) const;
  // Closes a modeless window (on_close, transcript) or ends a modal one with 0.
  void close_dialog(Handle window);
  void destroy_window(Handle window);
  Handle find_window(std::string_view template_name) const;
  void send_timer(Handle window, int timer_id);
  void advance_time(int milliseconds);
  Handle create_window(std::string_view class_name, WindowRect rect, Handle owner);
  PlainWindow* plain_window(Handle window);
  const PlainWindow* plain_window(Handle window) const;
  // The user moves the newest window of a class, or else the open modeless
  // dialog of that template; false when there is neither.
  bool user_moves_window(std::string_view class_name, WindowRect rect);
  // The modeless window a "window" line chose for the actions after it
  // (nullptr: the running dialog).
  HeadlessDialog* action_window();
  // A "window NAME" line: later actions go to that open modeless window; the
  // running dialog's own name (or one not open) brings them back to it.
  void choose_action_window(const HeadlessDialog* running, const ScriptLine& line);
  // Applies the script's "window" lines and their actions while no modal
  // dialog runs.
  void pump();
  bool register_class(std::string_view name, std::uint32_t background);
  bool class_registered(std::string_view name) const;

  // Message boxes and choosers (headless_prompts.cpp).
  int message_box(std::string_view text, std::string_view caption, std::uint32_t flags);
  std::optional<std::string> file_dialog(const FileDialogRequest& request);
  std::optional<std::uint32_t> choose_colour(std::uint32_t initial);

  ScriptQueue& script() { return script_; }
  Transcript& transcript() { return transcript_; }
  ScreenSize screen;
  // Draws the windows and lets a person act in them (the GUI host), or nullptr.
  DialogView* view = nullptr;

 private:
  // Closes and forgets everything that window owns.
  void close_owned(Handle window);
  // Forgets a plain window, telling the view.
  void forget_window(Handle window);
  // Moves a closed dialog out of the open set; freed once no procedure runs.
  void retire(Handle window);
  bool take_dialog_line(const DialogTemplate& t, const ResourceSet& resources);
  void drive(HeadlessDialog& dialog);
  void finish_modal(HeadlessDialog& dialog, bool cancelled);
  void missing_template(std::string_view name);
  bool handle_in_use(Handle window) const;

  ScriptQueue script_;
  Transcript transcript_;
  std::map<Handle, std::unique_ptr<HeadlessDialog>> dialogs_;
  std::map<Handle, PlainWindow> windows_;
  std::vector<std::unique_ptr<HeadlessDialog>> retired_;
  std::map<std::string, std::uint32_t> classes_;  // upper-cased name -> background
  std::int64_t clock_ = 0;
  int depth_ = 0;
  Handle action_window_ = 0;
  Handle next_handle_ = kMainWindow + 1;
};

// Does one script action in a running dialog (script_actions.cpp).
void apply_action(HeadlessCore& core, HeadlessDialog& dialog, const ScriptLine& line);

}  // namespace ui::detail
