// Asking for a colour by its number, in the order HTML writes colours
// ("#RRGGBB"), while the project keeps Windows colour values (red low).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wizard {

// "#%X" of the colour with red in the high byte.
std::string colour_number_text(long windows_colour);

// The Windows colour value of a typed number ("#" optional); nothing when
// the text is not a hexadecimal number of at most six digits.
std::optional<long> colour_from_number(std::string_view typed);

// The colour-by-number dialog; the new value, or nothing when cancelled.
std::optional<long> ask_colour_number(std::int32_t owner, long windows_colour);

}  // namespace wizard
