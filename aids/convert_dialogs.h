// Two dialogs whose choices the macros carry out in the document:
// "DLG_CNV_TO_DOC" (what to strip when a topic file becomes a printable
// document) and "DLG_LOCAL" (which other help file's jumps become jumps
// within this project).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace aids {
struct AidsState;
}

namespace aids {

inline constexpr int kConvertChoices = 15;

// Convert: the fifteen choices as fifteen digits ("1" chosen, "0" not), in
// the order of the dialog's boxes 101-115. choices, when it holds fifteen
// digits on entry, is the dialog's first state. 1 after OK, 0 on Cancel.
int ConvertCommand(AidsState& state, std::int32_t window, std::string& choices);

// The first state of the conversion dialog: the given digits, or the
// standard choices when they are not fifteen digits.
std::string ConvertStartChoices(std::string_view given);

// LocalizeLinks: file, on entry a proposal, receives the help file whose
// jumps become local ("*" for every other help file). 1 after OK, 0 on Cancel.
int LocalizeLinksCommand(AidsState& state, std::int32_t window, std::string& file);

}  // namespace aids
