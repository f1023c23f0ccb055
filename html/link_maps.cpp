#include "html/link_maps.h"

#include <algorithm>

namespace html {

bool TextTable::add(std::string_view entry) {
  if (entries_.size() >= max_entries_ || bytes_ + entry.size() + 1 > kMapBlockBytes) return false;
  entries_.emplace_back(entry);
  bytes_ += entry.size() + 1;
  return true;
}

void TextTable::clear() {
  entries_.clear();
  bytes_ = 0;
}

bool BrowseMap::add(std::string_view entry) {
  sorted_ = false;
  return TextTable::add(entry);
}

void BrowseMap::clear() {
  TextTable::clear();
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

std::string BrowseMap::neighbour(std::string_view page, int step) {
  if (!sorted_) {
    std::sort(entries_.begin(), entries_.end());
    sorted_ = true;
  }
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [&](const std::string& e) { return page_of(e) == page; });
  if (it == entries_.end()) return {};
  std::ptrdiff_t at = (it - entries_.begin()) + step;
  if (at < 0 || at >= static_cast<std::ptrdiff_t>(entries_.size())) return {};
  const std::string& other = entries_[static_cast<std::size_t>(at)];
  if (group_of(other) != group_of(*it)) return {};
  return std::string(page_of(other));
}

}  // namespace html
