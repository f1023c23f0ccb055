#include "html/splitter/page_list.h"

#include <algorithm>

#include "platform/paths.h"
#include "platform/text.h"

namespace html {

std::string page_title(std::string_view title) {
  std::string out;
  out.reserve(title.size());
  for (std::size_t i = 0; i < title.size(); ++i) {
    if (title[i] != '\r') {
      out += title[i];
      continue;
    }
    out += ' ';
    if (i + 1 < title.size() && title[i + 1] == '\n') ++i;
  }
  return out;
}

void PageList::count_name(std::string_view path, int change) {
  std::string name = text::to_lower(platform::file_name_of(path));
  if ((names_[name] += change) <= 0) names_.erase(name);
}

void PageList::add(std::string_view path, std::string_view title) {
  insert_after(order_.empty() ? 0 : order_.size() - 1, path, title);
}

void PageList::insert_after(std::size_t position, std::string_view path, std::string_view title) {
  entries_.push_back(PageEntry{std::string(path), page_title(title)});
  count_name(path, 1);
  std::size_t at = order_.empty() ? 0 : std::min(position + 1, order_.size());
  order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(at), entries_.size() - 1);
}

bool PageList::replace(std::size_t position, std::string_view path, std::string_view title) {
  if (position >= order_.size()) return false;
  PageEntry& entry = entries_[order_[position]];
  count_name(entry.path, -1);
  count_name(path, 1);
  entry = PageEntry{std::string(path), page_title(title)};
  return true;
}

void PageList::clear() {
  entries_.clear();
  order_.clear();
  names_.clear();
}

bool PageList::has_name(std::string_view name) const {
  return names_.count(text::to_lower(platform::file_name_of(name))) != 0;
}

std::vector<PageEntry> PageList::in_order() const {
  std::vector<PageEntry> pages;
  pages.reserve(order_.size());
  for (std::size_t i : order_) pages.push_back(entries_[i]);
  return pages;
}

}  // namespace html
