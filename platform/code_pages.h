// Windows single-byte code pages (874, 1250-1258) and the Unicode characters
// their bytes stand for. RTF documents name their code page (\ansicpg) and
// their fonts' character sets (\fcharset); text is kept as bytes in one of them.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The code page's byte for a Unicode character, when the code page has one.
std::optional<unsigned char> byte_in_code_page(std::uint32_t code_point, int code_page);

// The Unicode character a byte stands for in the code page; nothing when the
// byte is unassigned there or the code page is not a known single-byte one.
std::optional<std::uint32_t> unicode_of_byte(unsigned char byte, int code_page);

// True for the single-byte code pages these functions know.
bool known_code_page(int code_page);

// Appends a Unicode character to out in UTF-8.
void append_utf8(std::string& out, std::uint32_t code_point);

}  // namespace platform
