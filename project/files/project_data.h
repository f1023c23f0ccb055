// Everything the library knows about the current project besides the
// topic-file list and the settings: the topic table, the project-file model,
// the window definitions, the button bar, the build tags, the context-map
// settings and the preferences that the data file keeps for other commands.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "project/files/project_model.h"
#include "project/topics/topic_table.h"

namespace project {

inline constexpr int kMaxButtons = 22;
inline constexpr int kMaxTextList = 10;
inline constexpr int kPreferenceWords = 14;
inline constexpr std::int32_t kFirstStamp = 1000;
inline constexpr std::string_view kDefaultMapHeader = "cntxmap.h";

// One button of the WinHelp button bar.
struct Button {
  std::string id;                        // "btn_contents"
  std::string caption;                   // "&Contents"
  std::string macro;                     // action macro, may be empty
  std::array<std::int16_t, 3> states{};  // enabled state, visible state, depends on topic
};

// The six standard buttons every project starts with.
std::vector<Button> standard_buttons();

// Context-map settings of the project.
enum MapMode { kMapNone = 0, kMapHeader = 1, kMapHeaderBasic = 2, kMapHeaderPascal = 3, kMapAll = 4 };
struct ContextMapSettings {
  int mode = kMapNone;
  std::string header{kDefaultMapHeader};  // in the project folder
  std::string source;                     // map whose names the alias editor offers
};

// Values the data file keeps for other commands' dialogs; read and written
// unchanged. Some preference words mirror the project-file model and are
// filled from it when the file is written.
struct Preferences {
  std::int32_t stamp1 = kFirstStamp;
  std::int32_t stamp2 = 0;
  std::uint8_t byte = 0;
  std::array<std::int16_t, kPreferenceWords> words{};
  std::int16_t word = 0;
  std::string free_text1, free_text2;  // "\n" between lines
  std::string multi_line_text;         // "\n" between lines
  std::vector<std::string> text_list;  // at most kMaxTextList
};

struct ProjectData {
  TopicTable topics;
  ProjectFileModel project;
  std::vector<WindowRecord> windows;  // "main" first
  std::vector<Button> buttons;
  std::vector<std::string> build_tags;  // at most kMaxBuildTags
  ContextMapSettings map;
  Preferences preferences;

  int loaded_topic_count = 0;  // topics in the data file when it was loaded
  bool magic_ok = true;        // the data file read was sound: writes are allowed
};

// Back to a new project's defaults: no topics, the browse sequence "alpha",
// the one window "main", the standard buttons.
void reset_project_data(ProjectData& data);

// Adds a build tag (cut to its length) unless it is already listed (no
// case); false when the tag is empty or the list is full.
bool add_build_tag(ProjectData& data, std::string_view tag);

}  // namespace project
