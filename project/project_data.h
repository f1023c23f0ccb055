// The project's topic data as the project data file keeps it: topics with
// their context strings and numbers, browse sequences, windows and
// preferences. Loaded and saved with the data file.
#pragma once
#include <string>
#include <vector>

namespace project {

// One topic of the topic table.
struct Topic {
  std::string context;          // stored with one leading blank; "#..." is not live
  std::string title;
  int number = -1;              // context number, -1 none
  int file = -7;                // topic-file number, -7 none
  int browse_sequence = 0;
  int browse_number = 0;
};

// One window definition of the project.
struct WindowDefinition {
  std::string name;
};

struct ProjectData {
  std::vector<Topic> topics;
  std::vector<std::string> browse_sequences;
  std::vector<WindowDefinition> windows;
  int next_context_number = 0;
  int loaded_topic_count = 0;   // topic count when the data file was loaded
  bool magic_ok = true;         // the data file's magic number was intact
};

// Back to a new project's defaults: no topics, the browse sequence "alpha",
// the one window "main".
void reset_project_data(ProjectData& data);

}  // namespace project
