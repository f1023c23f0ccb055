#include "html/pages/related_topics.h"

#include <unordered_set>

#include "html/text/markup.h"

namespace html {

KeywordPages::KeywordPages(const IndexEntries& entries) : entries_(entries) {
  const std::vector<IndexEntry>& all = entries.entries();
  for (std::size_t i = 0; i < all.size(); ++i) {
    by_page_[std::string(page_of_target(all[i].target))].push_back(i);
    by_keyword_[all[i].keyword].push_back(i);
  }
}

std::vector<RelatedPage> KeywordPages::related_to(std::string_view page_name,
                                                  const PageNames& names) const {
  std::vector<RelatedPage> related;
  auto own = by_page_.find(std::string(page_name));
  if (own == by_page_.end()) return related;
  const std::vector<IndexEntry>& all = entries_.entries();
  std::unordered_set<std::string> titles;
  for (std::size_t mine : own->second) {
    for (std::size_t other : by_keyword_.at(all[mine].keyword)) {
      std::string target(page_of_target(all[other].target));
      if (target == page_name) continue;
      std::string title = names.title_of(target);
      if (title.empty()) title = target;
      if (titles.insert(title).second) related.push_back({std::move(title), std::move(target)});
    }
  }
  return related;
}

std::vector<RelatedPage> related_topics(const IndexEntries& entries, const PageList& pages,
                                        std::size_t position) {
  if (position >= pages.size()) return {};
  PageNames names;
  names.rebuild(pages);
  return KeywordPages(entries).related_to(page_name(pages.at(position).path), names);
}

}  // namespace html
