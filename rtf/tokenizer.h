// Cuts RTF into tokens. Never reads past the end of its input; malformed input
// (unbalanced braces, truncated escapes, overlong words, huge numbers) still
// yields tokens, and what was wrong is listed in problems().
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

#include "rtf/token.h"

namespace rtf {

// Longest control word name RTF allows; longer names are cut.
constexpr std::size_t kMaxControlWordLength = 32;
// At most this many problems are kept; a last one says that more were dropped.
constexpr std::size_t kMaxProblems = 100;

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view input);

  // Reads the next token; false at the end of the input.
  bool next(Token& token);

  // Byte position of the next unread byte.
  std::size_t position() const { return pos_; }
  // Number of groups open at this point.
  int depth() const { return depth_; }
  // The whole input.
  std::string_view input() const { return in_; }
  const std::vector<Problem>& problems() const { return problems_; }

 private:
  bool read_control(Token& token);
  void read_word(Token& token);
  void read_parameter(Token& token);
  void read_unicode(Token& token);
  bool read_hex_escape(Token& token);
  void read_text(Token& token);
  void read_binary(Token& token);
  void skip_unicode_fallback();
  void skip_one_fallback_unit();
  void open_group();
  void close_group(std::size_t at);
  void problem(std::size_t at, std::string message);

  std::string_view in_;
  std::size_t pos_ = 0;
  int depth_ = 0;
  int unicode_skip_ = 1;            // \ucN in force: bytes that follow each \uN
  std::vector<int> skip_stack_;     // \uc of the enclosing groups
  int untracked_depth_ = 0;         // groups opened beyond the tracked nesting
  bool end_reported_ = false;
  std::vector<Problem> problems_;
};

// Convenience: every token of the input at once (problems appended to *problems
// when given).
std::vector<Token> tokenize(std::string_view input, std::vector<Problem>* problems = nullptr);

}  // namespace rtf
