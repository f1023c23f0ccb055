// The window editor's two entry points: the project's windows, and a PW
// macro for the Macro Editor.
#include "aids/window_editor.h"
#include "core/messages.h"
#include "project/files/project_file.h"
#include "project/project_state.h"

namespace aids {
namespace {

bool same_windows(const std::vector<project::WindowRecord>& a, const std::vector<project::WindowRecord>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (!same_window(a[i], b[i])) return false;
  return true;
}

bool help_workshop_owns_windows(const project::ProjectState& state) {
  return state.win95_compiler && state.compiler_kind != 2;
}

}  // namespace

int EditWindows(project::ProjectState& state, std::int32_t window, std::string& name) {
  if (!state.project_set || state.project_path.empty() || help_workshop_owns_windows(state)) return 0;
  WindowEditor editor(state, WindowEditorMode::project, state.data.windows, name);
  if (ui::host().run_modal(core::authoring_module(), "DLG_WINED", editor, core::dialog_owner(state, window)) != 1)
    return 0;
  name = editor.chosen();
  std::vector<project::WindowRecord> edited = editor.windows();
  if (same_windows(edited, state.data.windows)) return 1;
  state.data.windows = std::move(edited);
  project::WriteProjectFile(state, 0, state.project_path);
  return 1;
}

int PositionWindowMacro(project::ProjectState& state, std::int32_t window, std::string& macro) {
  WindowEditor editor(state, WindowEditorMode::macro, state.data.windows, "");
  if (ui::host().run_modal(core::authoring_module(), "DLG_WINED", editor, core::dialog_owner(state, window)) != 1)
    return 0;
  macro = editor.macro();
  return 1;
}

}  // namespace aids
