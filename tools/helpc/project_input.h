// What the help compiler needs from a project file: the topic files, the
// folders it searches, the windows, the contents topic, the [MAP] and
// [ALIAS] sections and the [CONFIG] macros, read with the shared project
// file reader.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "project/files/context_map.h"

namespace helpc {

// One "alias=target" line of [ALIAS].
struct AliasEntry {
  std::string name;
  std::string target;
};

struct ProjectInput {
  std::string path;                       // the project file, as named
  std::string directory;                  // its folder
  std::vector<std::string> topic_files;   // [FILES] entries, in order
  std::vector<std::string> roots;         // ROOT folders, the project folder first
  std::vector<std::string> bitmap_roots;  // BMROOT folders
  std::vector<std::string> bitmap_files;  // [BITMAPS] entries
  std::vector<std::string> windows;       // [WINDOWS] names
  std::vector<std::string> window_lines;  // [WINDOWS] lines as written
  std::string title;                      // TITLE
  std::string copyright;                  // COPYRIGHT
  std::string contents_topic;             // CONTENTS (or INDEX)
  std::string help_file;                  // the file name this project compiles to
  // The contents file: the one CNT names, else the project's own ".cnt"
  // beside it when that exists; "" when there is none.
  std::string contents_file;
  std::string contents_named;             // CNT as written, "" when absent
  std::vector<project::ContextDefinition> map_entries;  // [MAP] "name number" lines
  std::vector<std::string> map_includes;  // files [MAP] includes
  std::vector<AliasEntry> aliases;        // [ALIAS] lines
  std::vector<std::string> alias_includes;  // files [ALIAS] includes
  std::vector<std::string> config_macros;   // [CONFIG] lines, comments dropped
  bool compress = false;                    // COMPRESS asks for packed topics
};

// Reads a project file's text; relative folders are taken from the project
// folder.
ProjectInput read_project_input(std::string_view path, std::string_view bytes);

// The "name=target" lines of an [ALIAS] section or of a file it includes;
// comment and "#" lines skipped.
std::vector<AliasEntry> parse_alias_lines(const std::vector<std::string>& lines);

// A file a project names, as a path: absolute names as they are, others in
// the first folder that holds them (the first folder when none does).
std::string find_in_folders(std::string_view name, const std::vector<std::string>& folders);

}  // namespace helpc
