#include "project/footnote_marks.h"

#include "platform/text.h"

namespace project {
namespace {

using rtf_marks::Found;

bool is_control(char c) { return static_cast<unsigned char>(c) < 0x20; }

// The reference mark: the footnote character inside the group, not escaped.
size_t find_reference(std::string_view text, size_t from, size_t limit, char kind) {
  for (size_t i = from; i < limit; ++i) {
    if (text[i] == '\\') {
      ++i;
    } else if (text[i] == kind) {
      return i;
    }
  }
  return std::string_view::npos;
}

}  // namespace

char footnote_kind(std::string_view text, size_t open) {
  size_t i = open;
  while (i > 0) {
    char c = text[i - 1];
    if (c == '}' || c == ' ' || c == '\n') {
      --i;
      continue;
    }
    bool escaped = i >= 2 && text[i - 2] == '\\';
    return escaped ? 0 : c;
  }
  return 0;
}

FootnoteRead read_footnote(std::string_view text, size_t open, char kind, bool force) {
  constexpr size_t npos = std::string_view::npos;
  FootnoteRead result;
  auto word = rtf_marks::control_word_at(text, open + 1);
  if (!word) return result;
  const size_t body = word->end;
  const size_t group_end = rtf_marks::group_end(text, open);
  const size_t limit = group_end == npos ? text.size() : group_end;

  size_t start = body;
  size_t reference = find_reference(text, body, limit, kind);
  if (reference != npos) {
    start = reference + 1;
    if (start < text.size() && text[start] == '}') ++start;  // closes the mark's own group
  } else if (group_end == npos && !force) {
    result.found = Found::open;
    return result;
  }
  size_t end = rtf_marks::next_close(text, start);
  size_t resume = end == npos ? npos : end + 1;
  if (end == npos) {
    if (!force) {
      result.found = Found::open;
      return result;
    }
    end = text.find('\n', start);
    if (end == npos) end = text.size();
    resume = end;
  }
  result.found = Found::complete;
  result.text = footnote_text(text.substr(start, end - start));
  result.resume = (group_end != npos && group_end >= end) ? group_end + 1 : resume;
  return result;
}

std::string footnote_text(std::string_view raw) {
  std::string joined = rtf_marks::join_lines(raw);
  std::string_view s = text::trim_left(joined);
  while (!s.empty() && s.front() == '{') s = text::trim_left(s.substr(1));
  if (s.size() > 1 && s[0] == '\\' && s[1] != '\'') {
    size_t blank = s.find(' ');
    s = blank == std::string_view::npos ? std::string_view() : text::trim_left(s.substr(blank + 1));
  }
  while (!s.empty() && is_control(s.front())) s.remove_prefix(1);
  size_t cut = 0;
  while (cut < s.size() && !is_control(s[cut])) ++cut;
  return std::string(text::trim_right(s.substr(0, cut)));
}

}  // namespace project
