// Placeholder until the data-file format lands: a project keeps its topic
// data only for the session.
#include "project/data_file.h"

#include "core/library_state.h"

namespace project {

int LoadProjectData(core::LibraryState& state) { return 1; }

int SaveProjectData(core::LibraryState& state) {
  core::SaveProjectOptions(state);
  state.data_dirty = false;
  return 1;
}

}  // namespace project
