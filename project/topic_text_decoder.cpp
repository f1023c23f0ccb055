#include "project/topic_text_decoder.h"

#include "platform/code_pages.h"
#include "platform/text.h"
#include "rtf/code_page.h"
#include "rtf/tokenizer.h"

namespace project {
namespace {

constexpr int kDefaultCodePage = 1252;
constexpr char kUnrepresentable = '?';

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The document's body starts with these; \ansicpg stands before them.
bool starts_body(const rtf::Token& token) {
  return token.text == "pard" || token.text == "plain" || token.text == "sectd" || token.text == "par";
}

bool plain_ascii(std::string_view bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

int DocumentCodePage(std::string_view rtf) {
  rtf::Tokenizer tokens(rtf);
  rtf::Token token;
  while (tokens.next(token)) {
    if (tokens.depth() > 1) continue;  // font table, style sheet and the like
    if (token.kind == rtf::TokenKind::control_word) {
      if (token.text == "ansicpg" && token.has_param && token.param > 0) return token.param;
      if (starts_body(token)) break;
    } else if (token.kind == rtf::TokenKind::text && !text::trim(token.text).empty()) {
      break;
    }
  }
  return kDefaultCodePage;
}

int CharsetCodePage(int charset) {
  switch (charset) {
    case 161: return 1253;  // Greek
    case 162: return 1254;  // Turkish
    case 163: return 1258;  // Vietnamese
    case 177: return 1255;  // Hebrew
    case 178: return 1256;  // Arabic
    case 186: return 1257;  // Baltic
    case 204: return 1251;  // Cyrillic
    case 222: return 874;   // Thai
    case 238: return 1250;  // Central European
    default: return 0;
  }
}

TopicTextDecoder::TopicTextDecoder(std::string_view rtf, const rtf::Reader& reader)
    : rtf_(rtf), reader_(reader), code_page_(DocumentCodePage(rtf)) {}

// Control words and symbols (\rquote, \uN, \~) reach the sink as code page
// 1252 bytes; \'xx escapes and plain bytes are in the font's code page.
bool TopicTextDecoder::reading_escape() const {
  std::size_t at = reader_.offset();
  if (at + 1 >= rtf_.size() || rtf_[at] != '\\') return false;
  return is_letter(rtf_[at + 1]) || rtf_[at + 1] == '~' || rtf_[at + 1] == '-' || rtf_[at + 1] == '_';
}

char TopicTextDecoder::from_code_page(unsigned char byte, int source) const {
  if (byte < 0x80 || source == code_page_) return static_cast<char>(byte);
  auto code_point = source == kDefaultCodePage ? std::optional<std::uint32_t>(rtf::unicode_from_cp1252(byte))
                                               : platform::unicode_of_byte(byte, source);
  if (!code_point) return kUnrepresentable;
  auto out = platform::byte_in_code_page(*code_point, code_page_);
  return out ? static_cast<char>(*out) : kUnrepresentable;
}

std::string TopicTextDecoder::text(std::string_view bytes, const rtf::CharFormat& format) const {
  if (plain_ascii(bytes) || !platform::known_code_page(code_page_)) return std::string(bytes);
  int source = code_page_;
  if (reading_escape()) {
    source = kDefaultCodePage;
  } else if (auto font = reader_.header().fonts.find(format.font); font != reader_.header().fonts.end()) {
    int charset_page = CharsetCodePage(font->second.charset);
    if (charset_page != 0 && platform::known_code_page(charset_page)) source = charset_page;
  }
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) out.push_back(from_code_page(static_cast<unsigned char>(c), source));
  return out;
}

std::string TopicTextDecoder::unicode_char(std::uint32_t code_point) const {
  auto byte = platform::byte_in_code_page(code_point, code_page_);
  return std::string(1, byte ? static_cast<char>(*byte) : kUnrepresentable);
}

}  // namespace project
