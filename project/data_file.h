// The project data file (.twz): the topic data between sessions.
#pragma once

namespace core {
struct LibraryState;
}

namespace project {

// Loads the data file of the current project into the state's topic data.
int LoadProjectData(core::LibraryState& state);
// Writes the data file (and the project options) when the data changed.
int SaveProjectData(core::LibraryState& state);

}  // namespace project
