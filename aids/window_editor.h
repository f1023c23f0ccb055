// The Window Editor ("DLG_WINED") with its "WndEd" preview: edits the
// project's window definitions, or composes a PositionWindow macro.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "aids/window_preview.h"
#include "platform/ui/dialog.h"
#include "project/files/project_model.h"
#include "formats/help_contexts.h"

namespace project {
struct ProjectState;
}

namespace aids {

enum class WindowEditorMode {
  project,  // edits the window definitions
  macro,    // returns a PW macro for the chosen window and the preview's place
};

inline constexpr int kSaveWindowChangesText = 10041;
inline constexpr int kExistingWindowText = 10042;
inline constexpr int kTooManyWindowsText = 10043;
inline constexpr int kWindowRangeText = 10058;
inline constexpr int kWindowNameText = 10078;
inline constexpr int kWindowEditorHelp = help_contexts::kWindowEditor;
inline constexpr int kWindowMacroHelp = help_contexts::kWindowMacros;
// Windows 3.x help compilers take the main window and five secondary ones.
inline constexpr int kMaxProjectWindows = 6;

// The texts of the display-state list, index = WinHelp's show state.
const std::vector<std::string>& display_state_texts();
// Window names are 1-8 letters, digits and underscores: anything else would
// break the [WINDOWS] line or the target strings that name the window.
bool valid_window_name(std::string_view name);
// A window as a new name gets it: its name as caption, the upper-left
// quarter of the screen, default colours.
project::WindowRecord new_window(std::string_view name);
bool same_window(const project::WindowRecord& a, const project::WindowRecord& b);

class WindowEditor : public ui::DialogProc {
 public:
  WindowEditor(project::ProjectState& state, WindowEditorMode mode, std::vector<project::WindowRecord> windows,
               std::string selected);
  ~WindowEditor() override;

  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  void on_close(ui::Dialog& dialog) override;
  void on_window_moved(ui::Dialog& dialog, ui::Handle window) override;

  // After OK: the windows kept, in their order, with the edits stored.
  std::vector<project::WindowRecord> windows() const;
  // After OK: the window chosen last.
  const std::string& chosen() const { return chosen_; }
  // The preview window while the editor runs, else 0.
  ui::Handle preview_window() const { return preview_ ? preview_->handle() : 0; }
  // After OK in macro mode: the PW macro.
  const std::string& macro() const { return macro_; }

 private:
  struct Edited {
    project::WindowRecord record;
    bool deleted = false;
  };
  void fill_names(ui::Dialog& dialog);
  void load(ui::Dialog& dialog, int index);
  void show_fields(ui::Dialog& dialog);
  int find(std::string_view name) const;
  int live_count() const;
  void take_typed_name(ui::Dialog& dialog);
  void switch_to(ui::Dialog& dialog, std::string_view name);
  bool may_leave_current(ui::Dialog& dialog);
  bool may_add(ui::Dialog& dialog, std::string_view name);
  void remove_current(ui::Dialog& dialog);
  void set_position(ui::Dialog& dialog);
  void choose_colour(ui::Dialog& dialog, int id);
  void use_default_colour(ui::Dialog& dialog, int id);
  void default_place(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);
  void refuse(ui::Dialog& dialog, const std::string& text);

  project::ProjectState& state_;
  WindowEditorMode mode_;
  std::vector<Edited> windows_;
  std::string selected_;
  int current_ = 0;
  project::WindowRecord edit_;  // the current window with the edits not stored yet
  bool typed_ = false;          // a name was typed into the combo and not taken yet
  std::unique_ptr<WindowPreview> preview_;
  std::array<std::uint32_t, 16> custom_colours_{};
  std::string chosen_;
  std::string macro_;
};

// Runs the editor over the project's windows, starting at a window name (a
// name not yet defined is added). Windows 3.x projects only: on OK the
// windows replace the project's and the project file is rewritten when they
// changed; name receives the chosen window. 1 after OK, 0 otherwise.
int EditWindows(project::ProjectState& state, std::int32_t window, std::string& name);
// Macro mode: 1 with the PW macro in macro after OK, 0 after Cancel.
int PositionWindowMacro(project::ProjectState& state, std::int32_t window, std::string& macro);

}  // namespace aids
