// The library frame's part of the authoring library's state: host, settings,
// language, messages, the topic-file list and the saved positions. It knows
// no project format; project/ and aids/ extend it, and the full record the
// export layer holds lives in authoring/library_state.h.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/aid_hooks.h"
#include "core/settings.h"
#include "core/topic_files.h"

namespace core {

inline constexpr int kProjectPathMax = 169;     // characters, terminator excluded
inline constexpr int kScratchSize = 1350;
inline constexpr int kPositionStackMax = 200;
inline constexpr int kPositionEntryMax = 15;    // characters per entry

struct CoreState {
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
  AidHooks aid_hooks;  // set by the export layer
};

}  // namespace core
