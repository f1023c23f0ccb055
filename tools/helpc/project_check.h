// The help compiler's check of a whole project: every topic file is read
// with the RTF reader, one at a time, and the topics' names and references
// are checked against each other, the folders, the windows, the [MAP]
// and [ALIAS] sections, the jump macros and the contents file. Memory grows with the number of context strings and unresolved
// references, not with the size of the topic files together.
#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "tools/helpc/bitmap_finder.h"
#include "tools/helpc/compile_log.h"
#include "tools/helpc/project_input.h"
#include "tools/helpc/topic_collector.h"

namespace helpc {

class ProjectCheck {
 public:
  ProjectCheck(const ProjectInput& input, CompileLog& log);

  // Checks every topic file, then what can only be checked at the end.
  void run();

 private:
  // A reference to a context string not defined (yet) when it was met.
  struct PendingJump {
    std::string context;
    int file = 0;
    int topic = 0;
    Problem problem = Problem::unresolved_jump;
  };

  void check_topic_file(const std::string& entry);
  void check_topic(const TopicFacts& topic, int file);
  void define_contexts(const TopicFacts& topic, const Location& where);
  void check_hotspots(const TopicFacts& topic, int file, const Location& where);
  void check_macro_jumps(std::string_view macros, int file, int topic);
  void check_window(const std::string& window, const Location& where);
  void read_aliases();
  void resolve_pending_jumps();
  void check_aliases();
  void check_config_macros();
  void check_map();
  void check_map_entries(const std::vector<project::ContextDefinition>& entries,
                         const Location& where);
  void check_contents_topic();
  void check_contents_file();
  // A topic's context string, or an alias of one.
  bool defined(std::string_view context) const;
  bool is_topic(std::string_view context) const;
  const std::string* alias_target(std::string_view name) const;
  Location project_location() const { return Location{input_.path, 0}; }

  const ProjectInput& input_;
  CompileLog& log_;
  BitmapFinder bitmaps_;
  std::vector<std::string> file_paths_;          // topic files read, by index
  std::unordered_set<std::string> contexts_;     // lower case
  std::unordered_set<std::string> windows_;      // lower case
  std::unordered_map<std::string, std::string> aliases_;  // lower-case name: target
  std::vector<AliasEntry> alias_entries_;                 // in file order
  std::unordered_map<std::int32_t, std::string> map_numbers_;  // number: first name
  std::vector<PendingJump> pending_;
};

// Reads the project file at path and checks it; an unreadable project file
// is reported as such.
void check_project(std::string_view path, CompileLog& log);

}  // namespace helpc
