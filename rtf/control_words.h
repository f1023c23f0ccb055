// What individual control words do to the formatting state, and which ones
// stand for characters.
#pragma once
#include <optional>
#include <string_view>

#include "rtf/formatting.h"
#include "rtf/token.h"

namespace rtf {

// Applies a character formatting word (\b, \i, \ul..., \strike, \v, \f, \fs,
// \cf, \super ...); false when the token is not one. \plain is the reader's.
bool apply_char_word(const Token& word, CharFormat& format);

// Applies a paragraph formatting word (\s, \intbl, \ql..., \outlinelevel, \ls,
// \ilvl); false when the token is not one. \pard is the reader's.
bool apply_para_word(const Token& word, ParaFormat& format);

// The code page 1252 text a control word or symbol stands for (\tab, \emdash,
// \bullet, \~, \_ ...); an empty text for \- (optional hyphen); nothing when
// the token is no such character.
std::optional<std::string_view> special_text(const Token& token);

}  // namespace rtf
