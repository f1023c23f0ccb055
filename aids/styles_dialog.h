// The help styles of the project's documents (TWStyles, "DLG_STYLES"):
// font sizes, bullet and number indents and the number separator.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include "formats/help_contexts.h"

namespace project {
struct ProjectState;
}

namespace aids {

inline constexpr std::string_view kBulletIndentKey = "Bul Indent";
inline constexpr std::string_view kNumberIndentKey = "Num Indent";
inline constexpr std::string_view kNumberSeparatorKey = "Num Sep";
inline constexpr std::string_view kDefaultIndent = ".25\"";
inline constexpr int kStylesHelpContext = help_contexts::kStyles;

// TWStyles: sizes holds "topic popup normal section" (in) and receives the
// four sizes and the two indents (blanks removed); separator receives the
// number separator. 1 apply to this document, 2 to every project document,
// 0 Cancel.
int TWStyles(project::ProjectState& state, std::int32_t window, std::string& sizes,
             std::string& separator, std::string_view document);

}  // namespace aids
