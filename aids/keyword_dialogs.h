// The keyword search "DLG_KEY_SEARCH" (ShowKeyList with which = 1) and the
// topics-found dialog "DLG_TOPICS_FND" behind the KLink and ALink test
// (DoKLink).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include "resources/trvwck32/keywords.h"

namespace aids {
struct AidsState;
}

namespace aids {

// Controls of "DLG_KEY_SEARCH".
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

// ShowKeyList: which = 1 runs the keyword search; its chosen topic's context
// string is kept in state.keywords.chosen_context and 1 returned, Cancel 0.
// which = 0 (the modeless keyword list) is not offered yet: the user is told
// and 0 returned. Any other value returns which - 1 and shows nothing.
int ShowKeyList(AidsState& state, std::int32_t window, int which);

// DoKLink: the topics carrying any of the keywords (kind 0 A, else K) in
// "DLG_TOPICS_FND"; on OK the chosen topic's context string, made a bookmark
// name, replaces keywords and 1 is returned; Cancel 0.
int TestKeywordLink(AidsState& state, std::int32_t window, std::string& keywords, int kind);

}  // namespace aids
