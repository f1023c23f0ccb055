// Related topics: the pages that share a keyword with a page, from the
// index entries the page writer collected.
#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "html/index/index_entries.h"
#include "html/splitter/page_names.h"

namespace html {

// One related page: its title and its file name (the link target).
struct RelatedPage {
  std::string title;
  std::string target;
  bool operator==(const RelatedPage&) const = default;
};

// The entries by page and by keyword, built once for the related-topics pass.
class KeywordPages {
 public:
  explicit KeywordPages(const IndexEntries& entries);
  // The pages other than page_name that carry one of its keywords, in the
  // order of its keywords and then of the entries; each title once.
  std::vector<RelatedPage> related_to(std::string_view page_name, const PageNames& names) const;

 private:
  const IndexEntries& entries_;
  std::unordered_map<std::string, std::vector<std::size_t>> by_page_;     // page -> entries
  std::unordered_map<std::string, std::vector<std::size_t>> by_keyword_;  // keyword -> entries
};

// The related pages of the page at a processing position.
std::vector<RelatedPage> related_topics(const IndexEntries& entries, const PageList& pages,
                                        std::size_t position);

}  // namespace html
