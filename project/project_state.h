// The project's part of the library state: topics, browse sequences and
// windows read from the project's files, the topic session and the compile.
#pragma once
#include <cstdint>
#include <vector>

#include "core/core_state.h"
#include "project/files/disk_versions.h"
#include "project/files/project_data.h"
#include "project/topics/topic_session.h"

namespace project {

struct ProjectState : core::CoreState {
  ProjectData data;                 // topics, browse sequences, windows, preferences
  TopicSession topic_session;       // the group for NextItem, the finder's last list
  DiskVersions disk;                // what was last read of the project's files

  // The compile-progress window of a background compile, 0 when none.
  std::int32_t compile_window = 0;
  // Lines of the compiler log the user went to from the message viewer.
  std::vector<bool> visited_log_lines;
};

// Runs the state reset when it is pending: topic data, browse sequences,
// windows and project options back to their defaults, the window "main",
// compiler kind 1.
void ResetState(ProjectState& state);
// Reads the settings (and keeps the data file and its backup in step).
void LoadSettings(ProjectState& state);
// Reads the settings, the project file and the data file of the project the
// settings name (after a state reset).
void LoadProjectState(ProjectState& state);

}  // namespace project
