// Footnotes into markers. A footnote group "{\footnote ...}" follows its
// reference mark, either directly ("#{\footnote") or after the mark's own
// group ("{\super #}{\footnote"); the text follows the mark's repetition
// inside the footnote. The footnote group goes, and the mark is replaced by
// the marker, so the marker lies where the mark was.
#include <optional>

#include "html/marker_rewrite.h"
#include "html/rtf_text.h"

namespace html {

namespace {

constexpr std::string_view kFootnoteWord = "\\footnote";
constexpr std::size_t kFootnoteOpenLength = 10;  // "{\footnote"

struct Footnote {
  std::size_t mark_start = 0;  // first byte the marker replaces
  std::size_t mark_end = 0;    // just after the mark
  std::size_t open = 0;        // "{" of the footnote group
  std::size_t close = 0;       // "}" that ends it
  char mark = 0;
  std::string text;
};

bool is_blank(char c) { return c == ' ' || c == '\r' || c == '\n'; }
bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Finds the reference mark before the footnote group; false when there is none.
bool find_mark(std::string_view chunk, Footnote& fn) {
  std::size_t p = fn.open;
  while (p > 0 && ((chunk[p - 1] == '{' && !is_escaped(chunk, p - 1)) || is_blank(chunk[p - 1])))
    --p;
  if (p == 0) return false;
  std::size_t m = p - 1;
  if (chunk[m] == '}' && !is_escaped(chunk, m)) {
    while (m > 0 && is_blank(chunk[m - 1])) --m;
    if (m == 0) return false;
    --m;
  }
  if (chunk[m] == '{' || chunk[m] == '}') return false;
  fn.mark = chunk[m];
  fn.mark_start = m;
  fn.mark_end = m + 1;
  // An escaped mark ("\#") goes with its backslash.
  if (is_escaped(chunk, m)) fn.mark_start = m - 1;
  // A mark that ends a control word ("\chftn"): the whole word goes.
  if (is_letter(fn.mark)) {
    std::size_t j = m;
    while (j > 0 && is_letter(chunk[j - 1])) --j;
    if (j > 0 && chunk[j - 1] == '\\' && !is_escaped(chunk, j - 1)) fn.mark_start = j - 1;
  }
  return true;
}

// Braces left in a footnote text are dropped with what comes before them.
std::string clean_footnote_text(std::string text) {
  for (char brace : {'}', '{'}) {
    for (std::size_t b = text.find(brace); b != std::string::npos; b = text.find(brace)) {
      std::size_t next = text.find_first_not_of(' ', b + 1);
      text.erase(0, next == std::string::npos ? text.size() : next);
    }
  }
  return text;
}

// The footnote's text: after the mark's repetition, or after the repetition's
// own group when the mark is repeated in a group of its own.
bool find_text(std::string_view chunk, Footnote& fn) {
  std::size_t repeat = chunk.find(fn.mark, fn.open + kFootnoteOpenLength);
  if (repeat == kNotFound || repeat >= fn.close) return false;
  std::size_t brace = find_unescaped(chunk, '}', repeat + 1);
  std::string_view between = chunk.substr(repeat + 1, brace - repeat - 1);
  std::string_view raw = between;
  if (brace < fn.close && between.find_first_not_of(" \r\n") == kNotFound) {
    std::size_t end = find_unescaped(chunk, '}', brace + 1);
    raw = chunk.substr(brace + 1, end - brace - 1);
  }
  fn.text = clean_footnote_text(plain_rtf_text(raw));
  return true;
}

std::optional<Footnote> parse_footnote(std::string_view chunk, std::size_t open) {
  Footnote fn;
  fn.open = open;
  fn.close = matching_brace(chunk, open);
  if (fn.close == kNotFound || !find_mark(chunk, fn) || !find_text(chunk, fn)) return std::nullopt;
  return fn;
}

std::string marker_for(const Footnote& fn, MarkerFileState& state) {
  switch (fn.mark) {
    case '#': {
      std::string_view lead = state.page_marker_given ? std::string_view("\r\n") : kPageMarker;
      state.page_marker_given = true;
      return std::string(lead) + std::string(kAnchorMarker) + fn.text + "!";
    }
    case '+':
      return "\r\n" + std::string(kBrowseMarker) + fn.text + std::string(kTitleEnd);
    case 'K':
      return "\r\n" + std::string(kKeywordMarker) + fn.text + std::string(kTitleEnd) + "\r\n";
    default:
      return {};
  }
}

// Puts a title after the nearest page marker before the $ footnote; returns
// the bytes inserted (0 when no page marker is near enough).
std::size_t insert_title(std::string& chunk, std::size_t mark, const std::string& title) {
  std::size_t lowest = mark > kTitleSearchChars ? mark - kTitleSearchChars : 0;
  for (std::size_t q = mark; q-- > lowest;) {
    if (q + kPageMarker.size() > mark || chunk.compare(q, kPageMarker.size(), kPageMarker) != 0)
      continue;
    std::string inserted = "~" + title + std::string(kTitleEnd);
    chunk.insert(q + kPageMarker.size(), inserted);
    return inserted.size();
  }
  return 0;
}

// Rewrites one footnote; returns where the search goes on.
std::size_t replace_footnote(std::string& chunk, const Footnote& fn, MarkerFileState& state) {
  std::string marker = marker_for(fn, state);
  chunk.erase(fn.open, fn.close + 1 - fn.open);
  chunk.replace(fn.mark_start, fn.mark_end - fn.mark_start, marker);
  std::size_t next = fn.mark_start + marker.size() + (fn.open - fn.mark_end);
  if (fn.mark == '$') next += insert_title(chunk, fn.mark_start, fn.text);
  return next;
}

}  // namespace

void mark_footnotes(std::string& chunk, MarkerFileState& state) {
  std::size_t from = 0;
  for (;;) {
    std::size_t word = find_control_word(chunk, kFootnoteWord, from);
    if (word == kNotFound) return;
    from = word + 1;
    if (word == 0 || chunk[word - 1] != '{' || is_escaped(chunk, word - 1)) continue;
    if (std::optional<Footnote> fn = parse_footnote(chunk, word - 1))
      from = replace_footnote(chunk, *fn, state);
  }
}

}  // namespace html
