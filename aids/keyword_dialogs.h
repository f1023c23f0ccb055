// The keyword search "DLG_KEY_SEARCH" (ShowKeyList with which = 1) and the
// topics-found dialog "DLG_TOPICS_FND" behind the KLink and ALink test
// (DoKLink).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace aids {
struct AidsState;
}

namespace aids {

// Controls of "DLG_KEY_SEARCH".
inline constexpr int kSearchKeywordList = 101;
inline constexpr int kSearchTypeAhead = 102;
inline constexpr int kSearchTopicList = 103;
inline constexpr int kSearchKRadio = 110;
inline constexpr int kSearchARadio = 111;
inline constexpr int kSearchShowTopics = 120;
inline constexpr int kSearchGoTo = 121;
// Controls of "DLG_TOPICS_FND".
inline constexpr int kFoundTopicList = 103;
inline constexpr int kFoundInstruction = 105;

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
