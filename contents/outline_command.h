// The outline's commands: EditOutline, and get_outline's worker.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "contents/outline_delivery.h"

namespace aids {
struct AidsState;
}

namespace contents {

// The outline file beside path (".out"; the project file when path is
// empty) in the outline editor; warns first when the keyword indexes are
// out of date. Always 1.
int EditOutline(aids::AidsState& state, std::int32_t window, std::string_view path);

// get_outline: level "1" starts over (1, nothing delivered); otherwise the
// next entry (1, item filled), a blank line (1, item untouched), or the end
// and a missing file (0).
int GetOutline(OutlineReader& reader, std::string_view project_path, std::string_view level, OutlineItem& item);

}  // namespace contents
