// The keyword list window "DLG_KEY_LIST": a topmost modeless window with
// every keyword of one kind, opened over the topic dialog, the mid-topic
// keyword dialog or the caller's window. "Add to Topic" hands the chosen
// keyword to its target (an edit field or a keyword list of the owner); its
// place and size are kept in the "Key Pos" setting.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/aid_hooks.h"
#include "platform/ui/dialog.h"
#include "resources/trvwck32/keywords.h"

namespace aids {
struct AidsState;
}

namespace aids {

inline constexpr int kListKeywords = IDC_KEY_LIST_KEYWORDS;
inline constexpr int kListTypeAhead = IDC_KEY_LIST_TYPE_AHEAD;
inline constexpr int kListAdd = IDC_KEY_LIST_ADD;
inline constexpr int kListK = IDC_KEY_LIST_K;
inline constexpr int kListA = IDC_KEY_LIST_A;
inline constexpr int kListShowTopics = IDC_KEY_LIST_TOPICS;
// An edit field as the target: the keyword is appended after a ";".
inline constexpr int kListEditTarget = 101;

// Opens the window for request, closing one that is open first; shows the
// out-of-date warning when the indexes are out of date. Its handle, 0 when
// it cannot open.
ui::Handle OpenKeywordList(AidsState& state, const core::KeywordListRequest& request);

// "Key Pos": "left top right bottom" to a rectangle, nullopt when it is not
// four numbers making a rectangle of some size; and back.
std::optional<ui::WindowRect> ParseKeyPos(std::string_view value);
std::string FormatKeyPos(ui::WindowRect rect);

// Where the window's controls go for a size in pixels.
struct KeywordListLayout {
  ui::WindowRect type_ahead, keywords, show_topics;
};
KeywordListLayout LayOutKeywordList(int width, int height);

}  // namespace aids
