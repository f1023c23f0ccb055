// Opening help files: the project's compiled help and the product's own.
#pragma once
#include <cstdint>

namespace core {

struct CoreState;

// Opens the project's ".hlp" at its finder (with a ".cnt") or contents; 0
// when the project path has no extension.
int RunHelp(CoreState& state, std::int32_t window);
// Opens the product's help file at its contents tab.
int TWHelp(CoreState& state, std::int32_t window);
// Opens the product's help at a context number (dialogs' Help buttons).
int ProductHelpContext(CoreState& state, std::int32_t window, int context);

}  // namespace core
