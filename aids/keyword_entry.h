// The mid-topic keyword dialog "DLG_KEY" ("Insert Mid-Topic Keyword") behind
// InsertKey: the author edits the keywords of one keyword footnote and picks
// its letter (K, A or one of the project's extra keyword letters).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include "resources/trvwck32/keywords.h"
#include "formats/help_contexts.h"

namespace aids {
struct AidsState;
}

namespace aids {

// Controls of "DLG_KEY".
inline constexpr int kKeyTextField = IDC_KEY_TEXT;
inline constexpr int kKeyTypeList = IDC_KEY_TYPE_LIST;
inline constexpr int kKeyDeleteButton = IDC_KEY_DELETE_BUTTON;
inline constexpr int kKeyGlobalListButton = IDC_KEY_GLOBAL_LIST_BUTTON;
inline constexpr int kKeyHelpButton = IDC_KEY_HELP_BUTTON;
inline constexpr int kKeyHelpContext = help_contexts::kKeywordEntry;
// The keyword text handed back holds at most this many characters after
// its letter.
inline constexpr size_t kKeyTextMax = 499;
// What "&Delete" returns: the caller removes the keyword footnote.
inline constexpr int kKeyDeleted = -7;

// The word processor's selection as the dialog shows it: cut at its first
// unprintable character, blanks trimmed at both ends.
std::string KeywordSelection(std::string_view selection);

// Runs the dialog over text (the selection or the footnote being edited);
// kind_text starting with "A" preselects A, else K. On OK (1) text becomes
// the chosen letter followed by the edited keywords; Cancel gives 0 and
// "&Delete" kKeyDeleted, leaving text as it was.
int InsertKeyword(AidsState& state, std::int32_t window, std::string& text, std::string_view kind_text);

}  // namespace aids
