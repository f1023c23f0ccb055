#include "project/rtf_marks.h"

#include "platform/text.h"

namespace project::rtf_marks {
namespace {

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

int hex_value(char c) {
  if (is_digit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Longest number a control word parameter may have; more digits end it.
constexpr size_t kParamDigitsMax = 10;

}  // namespace

std::optional<ControlWord> control_word_at(std::string_view text, size_t pos) {
  if (pos + 1 >= text.size() || text[pos] != '\\' || !is_letter(text[pos + 1])) return std::nullopt;
  ControlWord w;
  size_t i = pos + 1;
  while (i < text.size() && is_letter(text[i])) ++i;
  w.name = text.substr(pos + 1, i - pos - 1);
  size_t digits_start = i;
  if (i < text.size() && text[i] == '-') ++i;
  size_t first_digit = i;
  while (i < text.size() && is_digit(text[i]) && i - first_digit < kParamDigitsMax) ++i;
  if (i > first_digit) {
    w.has_param = true;
    w.param = text::parse_int(text.substr(first_digit, i - first_digit));
    if (text[first_digit - 1] == '-') w.param = -w.param;
  } else {
    i = digits_start;  // a lone '-' is not part of the word
  }
  if (i >= text.size()) {
    w.complete = false;
  } else if (text[i] == ' ') {
    ++i;
  }
  w.end = i;
  return w;
}

size_t control_symbol_length(std::string_view text, size_t pos) {
  if (pos + 1 >= text.size()) return 0;
  if (text[pos + 1] != '\'') return 2;
  return pos + 3 < text.size() ? 4 : 0;
}

bool switches_on(const ControlWord& word) { return !word.has_param || word.param != 0; }

size_t next_close(std::string_view text, size_t pos) {
  for (size_t i = pos; i < text.size(); ++i) {
    if (text[i] == '\\') {
      ++i;  // the escaped character is text
    } else if (text[i] == '}') {
      return i;
    }
  }
  return std::string_view::npos;
}

size_t group_end(std::string_view text, size_t open) {
  int depth = 0;
  for (size_t i = open; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\\') {
      ++i;
    } else if (c == '{') {
      ++depth;
    } else if (c == '}' && --depth == 0) {
      return i;
    }
  }
  return std::string_view::npos;
}

std::string join_lines(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\n') {
      out.push_back(raw[i]);
      continue;
    }
    // A control word ending here would run on into the next line's letters.
    size_t j = out.size();
    while (j > 0 && (is_letter(out[j - 1]) || is_digit(out[j - 1]) || out[j - 1] == '-')) --j;
    bool word_before = j > 0 && j < out.size() && out[j - 1] == '\\' && is_letter(out[j]);
    bool word_char_after = i + 1 < raw.size() && (is_letter(raw[i + 1]) || is_digit(raw[i + 1]));
    if (word_before && word_char_after) out.push_back(' ');
  }
  return out;
}

std::string plain_text(std::string_view raw) {
  std::string in = join_lines(raw);
  std::string out;
  for (size_t i = 0; i < in.size(); ++i) {
    char c = in[i];
    if (c == '{' || c == '}') continue;
    if (c != '\\') {
      out.push_back(c);
      continue;
    }
    if (auto word = control_word_at(in, i)) {
      i = word->end - 1;
      continue;
    }
    if (i + 1 >= in.size()) break;
    char next = in[i + 1];
    if (next == '\'' && i + 3 < in.size() && hex_value(in[i + 2]) >= 0 && hex_value(in[i + 3]) >= 0) {
      out.push_back(static_cast<char>(hex_value(in[i + 2]) * 16 + hex_value(in[i + 3])));
      i += 3;
    } else {
      if (next == '\\' || next == '{' || next == '}') out.push_back(next);
      ++i;
    }
  }
  return std::string(text::trim(out));
}

}  // namespace project::rtf_marks
