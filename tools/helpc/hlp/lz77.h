// The help file's LZ77 form of |TOPIC blocks: a flag byte before every
// eight items, its bits from the lowest telling each item's kind; a clear
// bit is one literal byte, a set bit a 16-bit reference that copies
// (high 4 bits + 3) bytes from (low 12 bits + 1) bytes back.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace hlp {

std::string lz77_compress(std::string_view data);
// Decodes all of packed, stopping quietly at max_out bytes; nullopt when a
// reference points before the start.
std::optional<std::string> lz77_decompress(std::string_view packed, std::size_t max_out);

}  // namespace hlp
