// The HEAD code editor ("DLG_HEADCODE"): the project's ".lfh" file.
#pragma once
#include <cstdint>

#include "wizard/conversion_state.h"

namespace wizard {

// Edits the ".lfh" of the loaded project. OK writes the text and sets
// "headcode" in state.project (1 when the text is not empty and was
// written); returns 1 on OK, 0 on Cancel.
int edit_head_code_file(ConversionState& state, std::int32_t owner);

}  // namespace wizard
