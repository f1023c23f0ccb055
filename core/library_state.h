// The authoring library's state: one record per process, built by the first
// InitTW and kept until the library is unloaded. Only the export layer holds
// the instance; everything below takes it as a parameter.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "aids/keyword_files.h"
#include "core/settings.h"
#include "core/topic_files.h"
#include "project/disk_versions.h"
#include "project/project_data.h"
#include "project/topic_session.h"

namespace core {

inline constexpr int kProjectPathMax = 169;     // characters, terminator excluded
inline constexpr int kScratchSize = 1350;
inline constexpr int kPositionStackMax = 200;
inline constexpr int kPositionEntryMax = 15;    // characters per entry

struct LibraryState {
  std::int32_t instance = 0;        // module handle: every resource comes from it
  std::int32_t owner_window = 0;    // last parent window given to a dialog export
  std::string project_path;         // current .hpj, empty when none
  bool project_set = false;
  bool initialised = false;
  bool reset_pending = true;
  bool new_shell = true;
  int init_mode = 0;                // mode of the last InitTW
  int word97 = 0;
  int word_version = 0;
  int compiler_kind = 1;            // 0, 1 or 2 (2: Windows 3.0 compiler)
  int win95_compiler = 0;
  bool data_dirty = false;
  bool import_flag = false;         // set while the document import adds files
  std::vector<char> scratch;        // allocated by the first InitTW

  TopicFileList topic_files;
  int current_file = kNoTopicFile;
  int iteration_next = 0;           // GetAllFiles: next list index
  int iteration_skip = -1;          // GetAllFiles: index of the current document
  std::vector<std::string> position_stack;

  Settings settings;
  ProjectOptions options;
  project::ProjectData data;        // topics, browse sequences, windows, preferences
  project::TopicSession topic_session;  // the group for NextItem, the finder's last list
  project::DiskVersions disk;       // what was last read of the project's files
  aids::KeywordState keywords;      // which sorted keyword caches are valid

  // The compile-progress window of a background compile, 0 when none.
  std::int32_t compile_window = 0;
  // Lines of the compiler log the user went to from the message viewer.
  std::vector<bool> visited_log_lines;
};

// Runs the state reset when it is pending: topic data, browse sequences,
// windows and project options back to their defaults, the window "main",
// compiler kind 1.
void ResetState(LibraryState& state);

}  // namespace core
