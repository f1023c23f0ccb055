// "DLG_PROMPT": while the macros turn every occurrence of a text into a
// hotspot, the author answers for each one.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace aids {
struct AidsState;
}

namespace aids {

// Occurrence kinds: 1 jump, 2 pop-up, 3 macro hotspot.
inline constexpr int kPromptJump = 1;
inline constexpr int kPromptMacro = 3;

// The question for a kind, "" for a kind that is none of the three.
std::string PromptQuestion(int kind);

// Asks "Make this occurrance into a ...?" over the occurrence text: 1 Yes,
// 2 No, 0 Cancel (and for an unknown kind).
int PromptCommand(AidsState& state, std::int32_t window, int kind, std::string_view occurrence);

}  // namespace aids
