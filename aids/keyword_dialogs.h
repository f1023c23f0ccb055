// The keyword search "DLG_KEY_SEARCH" (ShowKeyList with which = 1) and its
// page in the topic finder "DLG_KEY_C", and the topics-found dialog
// "DLG_TOPICS_FND" behind the KLink and ALink tests.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "aids/keyword_files.h"
#include "platform/ui/dialog.h"
#include "resources/trvwck32/keywords.h"

namespace aids {
struct AidsState;
}

namespace aids {

// Controls of "DLG_KEY_SEARCH" (and of its page "DLG_KEY_C").
inline constexpr int kSearchKeywordList = IDC_KEY_SEARCH_KEYWORD_LIST;
inline constexpr int kSearchTypeAhead = IDC_KEY_SEARCH_TYPE_AHEAD;
inline constexpr int kSearchTopicList = IDC_KEY_SEARCH_TOPIC_LIST;
inline constexpr int kSearchKRadio = IDC_KEY_SEARCH_K_RADIO;
inline constexpr int kSearchARadio = IDC_KEY_SEARCH_A_RADIO;
inline constexpr int kSearchShowTopics = IDC_KEY_SEARCH_SHOW_TOPICS;
inline constexpr int kSearchGoTo = IDC_KEY_SEARCH_GO_TO;
// Controls of "DLG_TOPICS_FND".
inline constexpr int kFoundTopicList = IDC_TOPICS_FND_TOPIC_LIST;
inline constexpr int kFoundInstruction = IDC_TOPICS_FND_INSTRUCTION;

// ShowKeyList: which = 0 opens the keyword list window over the caller's
// window (nothing to add to) and returns 1 when it is open; which = 1 runs
// the keyword search, whose chosen topic's context string is kept in
// state.keywords.chosen_context, and returns 1, Cancel 0. Any other value
// returns which - 1 and shows nothing.
int ShowKeyList(AidsState& state, std::int32_t window, int which);

// DoKLink: the topics carrying any of the keywords (kind 0 A, else K) in
// "DLG_TOPICS_FND"; on OK the chosen topic's context string, made a bookmark
// name, replaces keywords and 1 is returned; Cancel 0.
int TestKeywordLink(AidsState& state, std::int32_t window, std::string& keywords, int kind);

// "DLG_TOPICS_FND" over owner with these topics; 1 and the chosen topic's
// context string, or 0. Without the instruction its text 105 is cleared
// (the list only shows; choosing closes it).
int ShowTopicsFound(ui::Handle owner, std::vector<FoundTopic> topics, std::string& chosen, bool instruction);

// The keyword search page of the topic finder, a child window of parent;
// chosen is told the context string of the topic gone to. 0 when it
// cannot open.
ui::Handle OpenKeywordPage(AidsState& state, ui::Handle parent, std::function<void(const std::string&)> chosen);
// Shows or hides the page's controls (the finder's tab switch).
void ShowKeywordPage(ui::Handle page, bool shown);
// The context string of the topic selected in the page's topic list.
std::string KeywordPageChoice(ui::Handle page);

}  // namespace aids
