#include "project/hotspot_marks.h"

#include <array>

#include "platform/text.h"

namespace project {
namespace {

using rtf_marks::ControlWord;
using rtf_marks::Found;
constexpr size_t npos = std::string_view::npos;

// Control words that stand for a visible character or a break.
constexpr std::array<std::string_view, 17> kVisibleWords = {
    "tab", "line", "bullet", "emdash", "endash", "emspace", "enspace", "lquote", "rquote",
    "ldblquote", "rdblquote", "par", "sect", "page", "cell", "row", "u"};

bool visible_word(std::string_view name) {
  for (std::string_view w : kVisibleWords)
    if (name == w) return true;
  return false;
}

bool is_hidden_on(const ControlWord& w) { return w.name == "v" && rtf_marks::switches_on(w); }

bool ends_underline(const ControlWord& w) {
  if (w.name == "plain" || w.name == "ulnone") return true;
  return (w.name == "ul" || w.name == "uldb") && !rtf_marks::switches_on(w);
}

// A position in the text, or why there is none.
struct Spot {
  Found found = Found::nothing;
  size_t at = 0;
};

// Where the underlined text ends: the '}' closing its group, a word that
// turns underlining off, or hidden text starting in the same group.
Spot underline_end(std::string_view text, size_t from) {
  int depth = 0;
  for (size_t i = from; i < text.size(); ++i) {
    char c = text[i];
    if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (depth-- == 0) return {Found::complete, i};
    } else if (c == '\\') {
      auto w = rtf_marks::control_word_at(text, i);
      if (!w) {
        size_t n = rtf_marks::control_symbol_length(text, i);
        if (n == 0) return {Found::open, 0};
        i += n - 1;
        continue;
      }
      if (!w->complete) return {Found::open, 0};
      if (depth == 0 && (ends_underline(*w) || is_hidden_on(*w))) return {Found::complete, i};
      i = w->end - 1;
    }
  }
  return {Found::open, 0};
}

// The "\v" that follows the underlined text with only braces, blanks and
// formatting between; `at` is where its hidden text begins.
Spot hidden_start(std::string_view text, size_t from) {
  for (size_t i = from; i < text.size(); ++i) {
    char c = text[i];
    if (c == '{' || c == '}' || c == ' ' || c == '\n') continue;
    if (c != '\\') return {};
    auto w = rtf_marks::control_word_at(text, i);
    if (!w) {
      if (rtf_marks::control_symbol_length(text, i) == 0) return {Found::open, 0};
      if (text[i + 1] != '*') return {};  // an escaped character is visible text
      ++i;                                // "\*" only marks a destination
      continue;
    }
    if (!w->complete) return {Found::open, 0};
    if (is_hidden_on(*w)) return {Found::complete, w->end};
    bool underline;
    if (visible_word(w->name) || starts_hotspot(*w, underline) || w->name == "footnote") return {};
    i = w->end - 1;
  }
  return {Found::open, 0};
}

// The end of one piece of hidden text: its group's '}', or a word that turns
// hidden text off or resets the formatting.
Spot hidden_end(std::string_view text, size_t from) {
  for (size_t i = from; i < text.size(); ++i) {
    if (text[i] == '}') return {Found::complete, i};
    if (text[i] != '\\') continue;
    auto w = rtf_marks::control_word_at(text, i);
    if (!w) {
      if (rtf_marks::control_symbol_length(text, i) == 0) return {Found::open, 0};
      ++i;
      continue;
    }
    if (!w->complete) return {Found::open, 0};
    if ((w->name == "v" && !rtf_marks::switches_on(*w)) || w->name == "plain") return {Found::complete, i};
    i = w->end - 1;
  }
  return {Found::open, 0};
}

// After a hidden group's '}': another hidden group directly behind it
// ("}{\v ...") continues the target.
Spot joined_hidden(std::string_view text, size_t close) {
  size_t i = close + 1;
  while (i < text.size() && text[i] == '\n') ++i;
  if (i < text.size() && text[i] != '{') return {};
  if (i < text.size()) ++i;
  while (i < text.size() && text[i] == '\n') ++i;
  if (i >= text.size()) return {Found::open, 0};
  auto w = rtf_marks::control_word_at(text, i);
  if (!w) return {};
  if (!w->complete) return {Found::open, 0};
  return is_hidden_on(*w) ? Spot{Found::complete, w->end} : Spot{};
}

HotspotRead still_open() {
  HotspotRead read;
  read.found = Found::open;
  return read;
}

// Gathers the hidden text from `start`, joining adjacent hidden groups.
HotspotRead read_target(std::string_view text, size_t start, bool force) {
  HotspotRead result;
  std::string raw;
  for (;;) {
    Spot end = hidden_end(text, start);
    if (end.found == Found::open) {
      if (!force) return still_open();
      end.at = text.size();
    }
    raw.append(text.substr(start, end.at - start));
    result.resume = end.at < text.size() && text[end.at] == '}' ? end.at + 1 : end.at;
    if (end.at >= text.size() || text[end.at] != '}') break;
    Spot next = joined_hidden(text, end.at);
    if (next.found == Found::open && !force) return still_open();
    if (next.found != Found::complete) break;
    start = next.at;
  }
  result.target = rtf_marks::plain_text(raw);
  result.found = result.target.empty() ? Found::nothing : Found::complete;
  return result;
}

}  // namespace

bool starts_hotspot(const ControlWord& word, bool& double_underline) {
  if (!rtf_marks::switches_on(word)) return false;
  double_underline = word.name == "uldb";
  return double_underline || word.name == "ul";
}

HotspotRead read_hotspot(std::string_view text, size_t pos, bool force) {
  auto word = rtf_marks::control_word_at(text, pos);
  bool double_underline = false;
  if (!word || !starts_hotspot(*word, double_underline)) return {};
  Spot end = underline_end(text, word->end);
  if (end.found == Found::open) return force ? HotspotRead{} : still_open();
  Spot hidden = hidden_start(text, end.at);
  if (hidden.found == Found::open) return force ? HotspotRead{} : still_open();
  if (hidden.found == Found::nothing) return {};
  HotspotRead result = read_target(text, hidden.at, force);
  if (result.found != Found::complete) return result;
  result.kind = result.target.find('!') != std::string::npos ? HotspotKind::macro
                : double_underline                          ? HotspotKind::jump
                                                            : HotspotKind::popup;
  return result;
}

}  // namespace project
