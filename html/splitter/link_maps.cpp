#include "html/splitter/link_maps.h"

#include <algorithm>

namespace html {

void BrowseMap::add(std::string_view entry) {
  sorted_ = false;
  TextTable::add(entry);
}

void BrowseMap::clear() {
  TextTable::clear();
  first_of_page_.clear();
  sorted_ = false;
}

std::string BrowseMap::next(std::string_view page) { return neighbour(page, 1); }
std::string BrowseMap::previous(std::string_view page) { return neighbour(page, -1); }

namespace {

std::string_view page_of(std::string_view entry) {
  std::size_t eq = entry.find('=');
  return eq == std::string_view::npos ? std::string_view() : entry.substr(eq + 1);
}

// The group of an entry: its sequence up to and including the first ":"
// ("" for a sequence without a group name).
std::string_view group_of(std::string_view entry) {
  std::string_view sequence = entry.substr(0, entry.find('='));
  std::size_t colon = sequence.find(':');
  return colon == std::string_view::npos ? std::string_view() : sequence.substr(0, colon + 1);
}

}  // namespace

void BrowseMap::sort_once() {
  if (sorted_) return;
  std::sort(entries_.begin(), entries_.end());
  first_of_page_.clear();
  for (std::size_t i = 0; i < entries_.size(); ++i)
    first_of_page_.emplace(std::string(page_of(entries_[i])), i);
  sorted_ = true;
}

std::string BrowseMap::neighbour(std::string_view page, int step) {
  sort_once();
  auto found = first_of_page_.find(std::string(page));
  if (found == first_of_page_.end()) return {};
  std::ptrdiff_t at = static_cast<std::ptrdiff_t>(found->second) + step;
  if (at < 0 || at >= static_cast<std::ptrdiff_t>(entries_.size())) return {};
  const std::string& other = entries_[static_cast<std::size_t>(at)];
  if (group_of(other) != group_of(entries_[found->second])) return {};
  return std::string(page_of(other));
}

}  // namespace html
