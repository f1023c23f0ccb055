#include "html/splitter/page_names.h"

#include "platform/paths.h"
#include "platform/text.h"

namespace html {

std::string page_name(std::string_view path) { return std::string(platform::file_name_of(path)); }

void PageNames::rebuild(const PageList& pages) {
  pages_ = &pages;
  positions_.clear();
  for (std::size_t i = 0; i < pages.size(); ++i)
    positions_.emplace(text::to_upper(platform::file_name_of(pages.at(i).path)), i);
}

std::optional<std::size_t> PageNames::position_of(std::string_view name) const {
  auto it = positions_.find(text::to_upper(name));
  if (it == positions_.end()) return std::nullopt;
  return it->second;
}

std::string PageNames::title_of(std::string_view name) const {
  std::optional<std::size_t> position = position_of(name);
  if (!position || pages_ == nullptr || *position >= pages_->size()) return {};
  return pages_->at(*position).title;
}

}  // namespace html
