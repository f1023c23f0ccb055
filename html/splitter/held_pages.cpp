#include "html/splitter/held_pages.h"

#include <algorithm>

namespace html {

bool HeldPages::hold() {
  clear();
  return spool_.open();
}

void HeldPages::begin(std::string_view path) {
  Range& range = pages_[std::string(path)];
  range = Range{spool_.size(), 0, begun_++};
  current_ = &range;
}

bool HeldPages::append(std::string_view text) {
  if (current_ == nullptr || !spool_.append(text)) return false;
  current_->size += text.size();
  return true;
}

std::optional<std::string> HeldPages::take(std::string_view path) {
  auto found = pages_.find(std::string(path));
  if (found == pages_.end()) return std::nullopt;
  Range range = found->second;
  if (current_ == &found->second) current_ = nullptr;
  pages_.erase(found);
  return spool_.read(range.offset, static_cast<std::size_t>(range.size));
}

std::vector<std::string> HeldPages::remaining() const {
  std::vector<std::pair<std::size_t, std::string>> by_order;
  for (const auto& [path, range] : pages_) by_order.emplace_back(range.order, path);
  std::sort(by_order.begin(), by_order.end());
  std::vector<std::string> paths;
  for (auto& [order, path] : by_order) paths.push_back(std::move(path));
  return paths;
}

void HeldPages::clear() {
  pages_.clear();
  current_ = nullptr;
  begun_ = 0;
  spool_.close();
}

}  // namespace html
