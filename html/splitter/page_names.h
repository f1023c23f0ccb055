// The pages of a run by file name: position in the processing order and
// title, looked up without walking the page list.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "html/splitter/page_list.h"

namespace html {

class PageNames {
 public:
  // Indexes the pages' file names (without folder, ignoring case); the first
  // page of a name wins.
  void rebuild(const PageList& pages);
  // The processing position of the page with this file name.
  std::optional<std::size_t> position_of(std::string_view name) const;
  // Its title, "" when no page has the name.
  std::string title_of(std::string_view name) const;

 private:
  const PageList* pages_ = nullptr;
  std::unordered_map<std::string, std::size_t> positions_;
};

// The file name of a page path (the form links use).
std::string page_name(std::string_view path);

}  // namespace html
