// The context-string finder "DLG_CX_FIND": a modeless window over a target
// dialog that lists the project's context strings holding a typed piece of
// text; "&Use" puts the chosen one into the target dialog's context field.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"

namespace aids {
struct AidsState;
}
namespace project {
class TopicTable;
}

namespace aids {

// The live context strings that contain piece (no case), sorted without
// regard to case; every live one for an empty piece.
std::vector<std::string> MatchingContexts(const project::TopicTable& topics, std::string_view piece);

// Opens (or brings back) the finder over the dialog `target`, whose
// control 102 receives the chosen context string. 0 when it cannot open.
ui::Handle OpenContextFinder(AidsState& state, ui::Handle target);

}  // namespace aids
