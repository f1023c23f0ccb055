#include "html/analysis/rtf_edits.h"

#include <algorithm>
#include <numeric>

namespace html {

namespace {

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// True when the bytes just before pos end a control word ("\b", "\fs20").
bool ends_control_word(std::string_view rtf, std::size_t pos) {
  std::size_t p = pos;
  while (p > 0 && is_digit(rtf[p - 1])) --p;
  if (p > 0 && rtf[p - 1] == '-') --p;
  std::size_t letters_end = p;
  while (p > 0 && is_letter(rtf[p - 1])) --p;
  if (p == letters_end || p == 0 || rtf[p - 1] != '\\') return false;
  std::size_t slashes = 0;
  for (std::size_t q = p; q > 0 && rtf[q - 1] == '\\'; --q) ++slashes;
  return slashes % 2 == 1;
}

bool needs_delimiter(std::string_view rtf, std::size_t at, std::size_t end) {
  if (!ends_control_word(rtf, at) || end >= rtf.size()) return false;
  char next = rtf[end];
  return next != '\\' && next != '{' && next != '}';
}

}  // namespace

std::size_t RtfEdits::insert(std::size_t at, std::string text) {
  return replace(at, 0, std::move(text));
}

std::size_t RtfEdits::replace(std::size_t at, std::size_t length, std::string text) {
  edits_.push_back({at, length, std::move(text), false});
  return edits_.size() - 1;
}

std::size_t RtfEdits::remove(std::size_t at, std::size_t length) {
  edits_.push_back({at, length, {}, true});
  return edits_.size() - 1;
}

std::string RtfEdits::apply(std::string_view rtf) const {
  std::vector<std::size_t> order(edits_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
    const RtfEdit& x = edits_[a];
    const RtfEdit& y = edits_[b];
    if (x.offset != y.offset) return x.offset < y.offset;
    return x.length == 0 && y.length != 0;
  });
  std::string out;
  out.reserve(rtf.size() + rtf.size() / 8);
  std::size_t copied = 0;
  for (std::size_t i : order) {
    const RtfEdit& e = edits_[i];
    if (e.offset < copied || e.offset + e.length > rtf.size()) continue;
    out.append(rtf.substr(copied, e.offset - copied));
    if (e.word && e.text.empty() && needs_delimiter(rtf, e.offset, e.offset + e.length)) {
      out += ' ';
    } else {
      out += e.text;
    }
    copied = e.offset + e.length;
  }
  out.append(rtf.substr(copied));
  return out;
}

}  // namespace html
