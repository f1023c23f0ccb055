// Switching a project between compiler families. Each family keeps its own
// project file beside the project: ".p31" for the Windows 3.x form and
// ".p95" for the Windows 95 form; the one in use is the ".hpj".
#pragma once

namespace project {
struct ProjectState;
}

namespace project {

// "You must close Help Workshop first.  Be sure to save any changes ..."
inline constexpr int kCloseHelpWorkshopText = 53;
// "Warning: Selecting HC30 may result in loss of HC31-specific project information. ..."
inline constexpr int kHc30WarningText = 10037;

enum class SwitchResult { switched, unchanged, refused };

// To Help Workshop: the Windows 3.x file is kept as ".p31", an earlier
// ".p95" comes back or the project file is regenerated.
SwitchResult SwitchToWindows95(ProjectState& state);
// To the Windows 3.1 compiler; refused (with a message) while Help Workshop
// runs. From the Windows 3.0 kind only the kind changes.
SwitchResult SwitchToWindows31(ProjectState& state, bool help_workshop_running);
// To the Windows 3.0 compiler, after the user accepts the warning.
SwitchResult SwitchToWindows30(ProjectState& state, bool help_workshop_running);

}  // namespace project
