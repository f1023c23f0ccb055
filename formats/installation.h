// Where the installation puts the shipped data (templates, stock bitmaps,
// graphics, the product help), as the settings and the libraries name it.
// Drive c: is the user's root folder, so this is <root>/trvwck.
#pragma once
#include <string_view>

namespace installation {

inline constexpr std::string_view kDefaultDir = "c:\\trvwck";

}  // namespace installation
