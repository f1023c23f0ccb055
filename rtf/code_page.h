// Windows code pages: 1252 is the byte encoding of all text the system handles
// unless a document says otherwise (\ansicpg, a font's \fcharset, a project's
// LCID); the other single-byte Windows code pages (874, 1250-1258) are read as well.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rtf {

// The code page every text is in when nothing says otherwise.
inline constexpr int kDefaultCodePage = 1252;

// The code page 1252 byte for a Unicode code point, when the code page has one.
std::optional<unsigned char> cp1252_from_unicode(std::uint32_t code_point);

// The Unicode code point of a code page 1252 byte (the five unassigned bytes
// map to themselves).
std::uint32_t unicode_from_cp1252(unsigned char byte);

// True for the code pages whose tables this reader has.
bool is_known_code_page(int code_page);

// The code point of a byte in a code page (an unknown code page reads as
// 1252; unassigned bytes map to themselves).
std::uint32_t unicode_from_byte(unsigned char byte, int code_page);

// The byte for a code point in a code page, when the code page has one.
std::optional<unsigned char> byte_from_unicode(std::uint32_t code_point, int code_page);

// The code page of a font's \fcharsetN; 0 for charsets whose bytes are not
// text in a code page (symbol fonts) or that this reader does not know.
int code_page_of_charset(int charset);

// The code page of a Windows locale id (the .hpj's LCID); 1252 when unknown.
int code_page_of_lcid(int lcid);

// The name an HTML page declares for its code page ("windows-1251").
std::string charset_name(int code_page);

// The code page named by an HTML charset ("windows-1251", "iso-8859-1"),
// 0 when unknown.
int code_page_of_charset_name(std::string_view name);

}  // namespace rtf
