#include "project/compile/compiler_switch.h"

#include "project/project_state.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "project/files/project_file.h"

namespace project {
namespace {

// The compiler kind lives in the data file: a change of kind must reach it.
void set_compiler_kind(ProjectState& state, int kind) {
  if (state.compiler_kind != kind) state.data_dirty = true;
  state.compiler_kind = kind;
}

void choose_compiler(ProjectState& state, bool win95) {
  state.win95_compiler = win95 ? 1 : 0;
  state.options.w95 = state.win95_compiler;
  core::write_project_int(core::option_file_path(state.project_path), "W95", state.options.w95);
  set_compiler_kind(state, 1);
}

// Keeps the file of the family being left under keep_ext and brings back
// the other family's file from restore_ext, or regenerates the project file
// (from a copy of the old one, so its carried sections survive).
void exchange_files(ProjectState& state, const char* keep_ext, const char* restore_ext) {
  const std::string& path = state.project_path;
  const std::string keep = platform::replace_extension(path, keep_ext);
  const std::string restore = platform::replace_extension(path, restore_ext);
  // Copies, each replacing its target whole, so that at every moment the
  // project file and both family files exist.
  if (platform::file_exists(restore) && platform::copy_file(path, keep) &&
      platform::copy_file(restore, path)) {
    platform::remove_file(restore);
    return;
  }
  platform::copy_file(path, keep);
  WriteProjectFile(state, 0, path);
}

bool refuse_while_running(ProjectState& state, bool running) {
  if (running) {
    core::show_message(state, core::resource_string(kCloseHelpWorkshopText),
                       ui::kMbOk | ui::kMbIconStop);
  }
  return running;
}

}  // namespace

SwitchResult SwitchToWindows95(ProjectState& state) {
  if (state.win95_compiler && state.compiler_kind != 2) return SwitchResult::unchanged;
  choose_compiler(state, true);
  exchange_files(state, ".p31", ".p95");
  ReadProjectFile(state);
  return SwitchResult::switched;
}

SwitchResult SwitchToWindows31(ProjectState& state, bool help_workshop_running) {
  if (!state.win95_compiler) {
    if (state.compiler_kind != 2) return SwitchResult::unchanged;
    set_compiler_kind(state, 1);
    return SwitchResult::switched;
  }
  if (refuse_while_running(state, help_workshop_running)) return SwitchResult::refused;
  choose_compiler(state, false);
  exchange_files(state, ".p95", ".p31");
  ReadProjectFile(state);
  return SwitchResult::switched;
}

SwitchResult SwitchToWindows30(ProjectState& state, bool help_workshop_running) {
  if (state.compiler_kind == 2) return SwitchResult::unchanged;
  if (state.project_set && core::show_message(state, core::resource_string(kHc30WarningText),
                                              ui::kMbOkCancel | ui::kMbIconExclamation) != ui::kIdOk) {
    return SwitchResult::refused;
  }
  if (state.win95_compiler &&
      SwitchToWindows31(state, help_workshop_running) == SwitchResult::refused) {
    return SwitchResult::refused;
  }
  set_compiler_kind(state, 2);
  return SwitchResult::switched;
}

}  // namespace project
