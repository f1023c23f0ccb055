// The start dialog: open a recent or other project, or create a new one.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace authoring {

struct LibraryState;

// Shows "DLG_START"; returns 0 Cancel, 1 project opened, 2 project created
// (or given its first topic file); document receives the document to open.
int TWStartUp(LibraryState& state, std::int32_t window, std::string& document);

// What the user chose in the start dialog.
struct ProjectChoice {
  std::string path;
  bool is_new = false;
  bool win95 = true;        // compiler of a new project
  bool quick_start = false;
};

// Opens or creates the chosen project and returns the start dialog's result.
int OpenChosenProject(LibraryState& state, std::int32_t window, const ProjectChoice& choice,
                      std::string& document);

}  // namespace authoring
