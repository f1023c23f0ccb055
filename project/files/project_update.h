// Putting changes of the project's settings back into the project file, the
// way the project's compiler allows: Windows 3.x projects are regenerated,
// Windows 95 projects get only what changed.
#pragma once
#include <string_view>

#include "project/files/project_model.h"

namespace project {
struct ProjectState;
}

namespace project {

// Writes the model to the project file. `before` is the model as it was
// read: for a Windows 95 project only the [OPTIONS] keys that differ from it
// are written, and the [CONFIG] section is replaced. 1 when written.
int StoreProjectOptions(ProjectState& state, const ProjectFileModel& before);

// Adds a build tag to the project (AddTAG); 1 when it is listed afterwards,
// 0 for an empty tag or a full list.
int AddTAG(ProjectState& state, std::string_view tag);

}  // namespace project
