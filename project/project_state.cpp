#include "project/project_state.h"

#include "project/files/data_backup.h"
#include "project/files/data_file.h"

namespace project {

void ResetState(ProjectState& state) {
  if (!state.reset_pending) return;
  state.reset_pending = false;
  reset_project_data(state.data);
  state.options = core::ProjectOptions{};
  state.compiler_kind = 1;
}

void LoadSettings(ProjectState& state) {
  core::load_frame_settings(state);
  if (state.project_set) ReconcileDataBackup(state);
}

void LoadProjectState(ProjectState& state) {
  LoadSettings(state);
  state.topic_files.clear();
  if (!state.project_set) return;
  // The data load reads the option file first and the project file last,
  // so that the project's compiler decides the form the file is read in.
  LoadProjectData(state);
}

}  // namespace project
