#include "rtf/tokenizer.h"

#include <array>
#include <limits>
#include <string>

namespace rtf {

namespace {

// Nesting deeper than this still counts groups but stops remembering \uc.
constexpr std::size_t kMaxTrackedDepth = 4096;

// Every byte value once, so that a decoded hex escape can be handed out as a
// one-byte view like any other text.
const std::array<char, 256>& all_bytes() {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> t{};
    for (int i = 0; i < 256; ++i) t[static_cast<std::size_t>(i)] = static_cast<char>(i);
    return t;
  }();
  return table;
}

std::string_view byte_view(unsigned char b) {
  return std::string_view(&all_bytes()[b], 1);
}

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Tokenizer::Tokenizer(std::string_view input) : in_(input) {}

void Tokenizer::problem(std::size_t at, std::string message) {
  if (problems_.size() < kMaxProblems) {
    problems_.push_back({at, std::move(message)});
  } else if (problems_.size() == kMaxProblems) {
    problems_.push_back({at, "too many problems; the rest are not listed"});
  }
}

bool Tokenizer::next(Token& token) {
  for (;;) {
    while (pos_ < in_.size() && (in_[pos_] == '\r' || in_[pos_] == '\n')) ++pos_;
    if (pos_ >= in_.size()) {
      if (depth_ > 0 && !end_reported_) {
        problem(in_.size(), std::to_string(depth_) + " group(s) not closed at the end");
      }
      end_reported_ = true;
      return false;
    }
    token = Token{};
    token.offset = pos_;
    char c = in_[pos_];
    if (c == '{') {
      ++pos_;
      open_group();
      token.kind = TokenKind::group_open;
      token.text = in_.substr(token.offset, 1);
    } else if (c == '}') {
      ++pos_;
      close_group(token.offset);
      token.kind = TokenKind::group_close;
      token.text = in_.substr(token.offset, 1);
    } else if (c == '\\') {
      // A control sequence can be malformed and produce nothing; then go on.
      if (!read_control(token)) continue;
    } else {
      read_text(token);
    }
    token.length = pos_ - token.offset;
    return true;
  }
}

void Tokenizer::open_group() {
  ++depth_;
  if (skip_stack_.size() < kMaxTrackedDepth) {
    skip_stack_.push_back(unicode_skip_);
  } else {
    ++untracked_depth_;
  }
}

void Tokenizer::close_group(std::size_t at) {
  if (depth_ == 0) {
    problem(at, "unmatched '}'");
    return;
  }
  --depth_;
  if (untracked_depth_ > 0) {
    --untracked_depth_;
  } else if (!skip_stack_.empty()) {
    unicode_skip_ = skip_stack_.back();
    skip_stack_.pop_back();
  }
}

void Tokenizer::read_text(Token& token) {
  std::size_t start = pos_;
  while (pos_ < in_.size()) {
    char c = in_[pos_];
    if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n') break;
    ++pos_;
  }
  token.kind = TokenKind::text;
  token.text = in_.substr(start, pos_ - start);
}

bool Tokenizer::read_control(Token& token) {
  std::size_t start = pos_;
  ++pos_;  // the backslash
  if (pos_ >= in_.size()) {
    problem(start, "backslash at the end of the input");
    return false;
  }
  char c = in_[pos_];
  if (is_letter(c)) {
    read_word(token);
    return true;
  }
  if (c == '\'') return read_hex_escape(token);
  ++pos_;
  if (c == '{' || c == '}' || c == '\\') {
    token.kind = TokenKind::text;
    token.text = in_.substr(start + 1, 1);
  } else if (c == '\r' || c == '\n') {
    // A backslash before a line break is a paragraph mark.
    token.kind = TokenKind::control_word;
    token.text = "par";
  } else {
    token.kind = TokenKind::control_symbol;
    token.text = in_.substr(start + 1, 1);
  }
  return true;
}

bool Tokenizer::read_hex_escape(Token& token) {
  std::size_t start = pos_ - 1;
  ++pos_;  // the apostrophe
  int high = pos_ < in_.size() ? hex_value(in_[pos_]) : -1;
  int low = pos_ + 1 < in_.size() ? hex_value(in_[pos_ + 1]) : -1;
  if (high < 0 || low < 0) {
    problem(start, "hex escape without two hex digits");
    if (high >= 0) ++pos_;
    return false;
  }
  pos_ += 2;
  token.kind = TokenKind::text;
  token.text = byte_view(static_cast<unsigned char>(high * 16 + low));
  return true;
}

void Tokenizer::read_word(Token& token) {
  std::size_t start = pos_;
  while (pos_ < in_.size() && is_letter(in_[pos_])) ++pos_;
  std::size_t length = pos_ - start;
  if (length > kMaxControlWordLength) {
    problem(start - 1, "control word longer than 32 letters");
    length = kMaxControlWordLength;
  }
  token.kind = TokenKind::control_word;
  token.text = in_.substr(start, length);
  read_parameter(token);
  if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting blank belongs to the word

  if (token.text == "bin") {
    read_binary(token);
  } else if (token.text == "u" && token.has_param) {
    read_unicode(token);
  } else if (token.text == "uc" && token.has_param) {
    unicode_skip_ = token.param < 0 ? 0 : (token.param > 16 ? 16 : token.param);
  }
}

// An optional signed decimal number after the word's letters.
void Tokenizer::read_parameter(Token& token) {
  bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && is_digit(in_[pos_ + 1]);
  if (!negative && (pos_ >= in_.size() || !is_digit(in_[pos_]))) return;
  if (negative) ++pos_;
  long long value = 0;
  bool overflow = false;
  while (pos_ < in_.size() && is_digit(in_[pos_])) {
    if (value <= std::numeric_limits<std::int32_t>::max()) value = value * 10 + (in_[pos_] - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) overflow = true;
    ++pos_;
  }
  if (overflow) {
    problem(token.offset, "control word parameter out of range");
    value = std::numeric_limits<std::int32_t>::max();
  }
  token.param = static_cast<std::int32_t>(negative ? -value : value);
  token.has_param = true;
}

void Tokenizer::read_unicode(Token& token) {
  token.kind = TokenKind::unicode;
  long code = token.param < 0 ? token.param + 65536L : token.param;
  if (code < 0 || code > 0x10FFFF) {
    problem(token.offset, "unicode character out of range");
    code = 0xFFFD;
  }
  token.param = static_cast<std::int32_t>(code);
  skip_unicode_fallback();
}

void Tokenizer::read_binary(Token& token) {
  token.kind = TokenKind::binary;
  std::size_t wanted = token.has_param && token.param > 0 ? static_cast<std::size_t>(token.param) : 0;
  if (token.has_param && token.param < 0) problem(token.offset, "negative \\bin length");
  std::size_t available = in_.size() - pos_;
  if (wanted > available) {
    problem(token.offset, "\\bin data runs past the end of the input");
    wanted = available;
  }
  token.text = in_.substr(pos_, wanted);
  pos_ += wanted;
}

// After \uN come \ucN fallback characters for readers that do not know
// Unicode. Each is a text byte, a hex escape or another control sequence; a
// brace ends the fallback early.
void Tokenizer::skip_unicode_fallback() {
  for (int n = 0; n < unicode_skip_; ++n) {
    while (pos_ < in_.size() && (in_[pos_] == '\r' || in_[pos_] == '\n')) ++pos_;
    if (pos_ >= in_.size() || in_[pos_] == '{' || in_[pos_] == '}') return;
    skip_one_fallback_unit();
  }
}

void Tokenizer::skip_one_fallback_unit() {
  if (in_[pos_] != '\\') {
    ++pos_;
    return;
  }
  if (pos_ + 1 >= in_.size()) {
    ++pos_;
    return;
  }
  char c = in_[pos_ + 1];
  if (c == '\'') {
    pos_ += 2;
    for (int i = 0; i < 2 && pos_ < in_.size() && hex_value(in_[pos_]) >= 0; ++i) ++pos_;
  } else if (is_letter(c)) {
    // A control word as fallback: step over it, and over its data when it is
    // \bin, without letting it act.
    std::size_t start = ++pos_;
    while (pos_ < in_.size() && is_letter(in_[pos_])) ++pos_;
    std::string_view name = in_.substr(start, pos_ - start);
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && is_digit(in_[pos_ + 1])) ++pos_;
    std::size_t value = 0;
    bool has_value = false;
    while (pos_ < in_.size() && is_digit(in_[pos_])) {
      if (value < in_.size()) value = value * 10 + static_cast<std::size_t>(in_[pos_] - '0');
      has_value = true;
      ++pos_;
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    if (name == "bin" && has_value) pos_ += value < in_.size() - pos_ ? value : in_.size() - pos_;
  } else {
    pos_ += 2;
  }
}

std::vector<Token> tokenize(std::string_view input, std::vector<Problem>* problems) {
  Tokenizer tokenizer(input);
  std::vector<Token> tokens;
  Token token;
  while (tokenizer.next(token)) tokens.push_back(token);
  if (problems) {
    problems->insert(problems->end(), tokenizer.problems().begin(), tokenizer.problems().end());
  }
  return tokens;
}

}  // namespace rtf
