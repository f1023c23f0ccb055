// The number WinHelp files a context string under: each character is
// given a small value (letters without regard to case) and the values are
// folded in with a factor of 43, in 32-bit arithmetic.
#pragma once
#include <cstdint>
#include <string_view>

namespace hlp {

std::int32_t context_hash(std::string_view context);

}  // namespace hlp
