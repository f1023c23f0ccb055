// Where the related-projects list window stands and how its controls fill
// it: the rectangle kept in "WG List Pos" (left, top, width, height) and the
// layout that follows the window's size.
#pragma once
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"

namespace aids {

inline constexpr std::string_view kRelatedListPosKey = "WG List Pos";
inline constexpr std::string_view kRelatedListPosDefault = "0 0 280 150";
inline constexpr int kRelatedListMinWidth = 242;
inline constexpr int kRelatedListMinHeight = 125;

// The stored rectangle; the default for a value that does not read, and
// never smaller than the smallest size the window takes.
ui::WindowRect ParseRelatedListPos(std::string_view value);
std::string FormatRelatedListPos(ui::WindowRect rect);
// A size the user gave, grown to the smallest the window takes.
ui::WindowRect KeepRelatedListSize(ui::WindowRect rect);

struct RelatedListLayout {
  ui::WindowRect frame, projects, unlisted, help;
};
RelatedListLayout LayOutRelatedList(int width, int height);

}  // namespace aids
