// The project data file (.twz) on disk: the topic data between sessions.
#pragma once

namespace project {
struct ProjectState;
}

namespace project {

// Reads the option file, then the data file of the current project into the
// state, then the project file; 1 loaded, 0 when there is no data file or it
// could not be used (the user is told, the topic data stays empty, and
// neither the data file nor the project file is written over afterwards).
int LoadProjectData(ProjectState& state);
// Writes the option file, then, when the topic data changed and the data
// file loaded soundly, the whole data file and (without the Windows 95
// compiler) the project file. 1 when everything needed was written.
int SaveProjectData(ProjectState& state);

}  // namespace project
