// The pieces an RTF text is cut into, with the byte positions they came from.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rtf {

// What a token is.
enum class TokenKind : std::uint8_t {
  group_open,      // "{"
  group_close,     // "}"
  control_word,    // "\name" with an optional signed parameter
  control_symbol,  // "\" and one non-letter: ~ - _ * | : and the like
  text,            // plain bytes; also \' hex escapes and \{ \} \\ (one byte each)
  binary,          // the data of \binN (the control word itself included in the span)
  unicode,         // \uN; the code point is the parameter, the fallback bytes are skipped
};

// One token. Views point into the tokenized input (or, for a decoded hex escape,
// into a static table of all 256 bytes), so they live as long as the input.
struct Token {
  TokenKind kind = TokenKind::text;
  std::size_t offset = 0;   // position of the token's first byte in the input
  std::size_t length = 0;   // number of input bytes the token covers
  std::string_view text;    // word name, symbol, text bytes or binary data
  std::int32_t param = 0;   // control word parameter; code point of a unicode token
  bool has_param = false;   // whether the control word had a parameter
};

// Something wrong in the input, at a byte position. Reading always goes on.
struct Problem {
  std::size_t offset = 0;
  std::string message;
};

}  // namespace rtf
