// Opening help files: the project's compiled help and the product's own.
#pragma once
#include <cstdint>

namespace core {

struct LibraryState;

// Opens the project's ".hlp" at its finder (with a ".cnt") or contents; 0
// when the project path has no extension.
int RunHelp(LibraryState& state, std::int32_t window);
// Opens the product's help file at its contents tab.
int TWHelp(LibraryState& state, std::int32_t window);
// Opens the product's help at a context number (dialogs' Help buttons).
int ProductHelpContext(LibraryState& state, std::int32_t window, int context);

}  // namespace core
