// Windows code page 1252, the byte encoding of all text the system handles.
#pragma once
#include <cstdint>
#include <optional>

namespace rtf {

// The code page 1252 byte for a Unicode code point, when the code page has one.
std::optional<unsigned char> cp1252_from_unicode(std::uint32_t code_point);

// The Unicode code point of a code page 1252 byte (the five unassigned bytes
// map to themselves).
std::uint32_t unicode_from_cp1252(unsigned char byte);

}  // namespace rtf
