// The compiler paths dialog "DLG_SET_PATHS" ("Set Help Compiler/Tools
// Paths"), opened by the project dialog's Paths button: the six programs of
// section COMPILERS of TRVWCK6.INI.
#pragma once
#include <cstdint>

#include "resources/trvwck32/compile.h"

namespace project {
struct ProjectState;
}

namespace project {

// Edit fields, in the order shown; each has a Browse button at its id + 10.
inline constexpr int kPathsHelpWorkshopField = IDC_PATHS_HELP_WORKSHOP_FIELD;
inline constexpr int kPathsHcpField = IDC_PATHS_HCP_FIELD;
inline constexpr int kPathsHc30Field = IDC_PATHS_HC30_FIELD;
inline constexpr int kPathsBitmapEditorField = IDC_PATHS_BITMAP_EDITOR_FIELD;
inline constexpr int kPathsMetafileEditorField = IDC_PATHS_METAFILE_EDITOR_FIELD;
inline constexpr int kPathsHotspotEditorField = IDC_PATHS_HOTSPOT_EDITOR_FIELD;
inline constexpr int kPathsBrowseOffset = IDC_PATHS_BROWSE_OFFSET;

// Shows the dialog; after OK all six settings are written and the library
// state takes them (empty values read back as the programs' own names).
// Returns 1 after OK, 0 after Cancel.
int EditCompilerPaths(ProjectState& state, std::int32_t window);

}  // namespace project
