#include "html/index/index_entries.h"

#include <algorithm>

#include "platform/text.h"

namespace html {

namespace {

// Letters compare as capitals; bytes compare as signed characters, so bytes
// of 128 and above sort before everything else.
int sort_char(char c) {
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return static_cast<signed char>(c);
}

int compare_folded(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    int d = sort_char(a[i]) - sort_char(b[i]);
    if (d != 0) return d;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

std::string_view IndexEntry::first_level() const {
  std::string_view k = keyword;
  return k.substr(0, k.find(':'));
}

std::string_view IndexEntry::second_level() const {
  std::size_t colon = keyword.find(':');
  if (colon == std::string::npos) return {};
  return std::string_view(keyword).substr(colon + 1);
}

bool IndexEntry::has_second_level() const { return keyword.find(':') != std::string::npos; }

std::string clean_index_keyword(std::string_view keyword) {
  std::string k(keyword);
  // Every line break goes, not only the first: a keyword never spans lines.
  std::erase(k, '\r');
  std::erase(k, '\n');
  std::replace(k.begin(), k.end(), '"', ' ');
  std::string_view view = k;
  while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
  while (!view.empty() && view.back() == ' ') view.remove_suffix(1);
  return std::string(view);
}

bool index_entry_before(const IndexEntry& a, const IndexEntry& b) {
  int first = compare_folded(a.first_level(), b.first_level());
  if (first != 0) return first < 0;
  if (a.has_second_level() != b.has_second_level()) return !a.has_second_level();
  return compare_folded(text::trim_right(a.keyword), text::trim_right(b.keyword)) < 0;
}

void IndexEntries::add(std::string_view keyword, std::string_view target) {
  std::string k = clean_index_keyword(keyword);
  if (!k.empty()) entries_.push_back({std::move(k), std::string(target)});
}

void IndexEntries::clear() {
  entries_.clear();
  entries_.shrink_to_fit();
}

void IndexEntries::sort() {
  std::stable_sort(entries_.begin(), entries_.end(), index_entry_before);
}

}  // namespace html
