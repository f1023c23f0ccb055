// The compiler paths dialog "DLG_SET_PATHS" ("Set Help Compiler/Tools
// Paths"), opened by the project dialog's Paths button: the six programs of
// section COMPILERS of TRVWCK6.INI.
#pragma once
#include <cstdint>

namespace project {
struct ProjectState;
}

namespace project {

// Edit fields, in the order shown; each has a Browse button at its id + 10.
inline constexpr int kPathsHelpWorkshopField = 101;
inline constexpr int kPathsHcpField = 102;
inline constexpr int kPathsHc30Field = 103;
inline constexpr int kPathsBitmapEditorField = 104;
inline constexpr int kPathsMetafileEditorField = 105;
inline constexpr int kPathsHotspotEditorField = 106;
inline constexpr int kPathsBrowseOffset = 10;

// Shows the dialog; after OK all six settings are written and the library
// state takes them (empty values read back as the programs' own names).
// Returns 1 after OK, 0 after Cancel.
int EditCompilerPaths(ProjectState& state, std::int32_t window);

}  // namespace project
