// The assistant's message boxes: every one has the program's caption.
#pragma once
#include <cstdint>
#include <string_view>

namespace assistant {

inline constexpr std::string_view kProgramCaption = "\"Pointip\" Assistant";

// Shows text with the program's caption; returns the button chosen.
int show_message(std::int32_t owner, std::string_view text, std::uint32_t flags);

}  // namespace assistant
