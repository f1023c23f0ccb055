// A keyword index as three internal files: the B+ tree of keywords
// (|KWBTREE; |AWBTREE for A keywords), each with its count of topics and
// where its list starts in |KWDATA (the topics' offsets), and |KWMAP, the
// first keyword number of each leaf page. Sub-entries ("main:sub") follow
// their first level.
#pragma once
#include <cstdint>
#include <map>
#include <unordered_map>
#include <optional>
#include <string>
#include <vector>

#include "tools/helpc/hlp/keyword_levels.h"

namespace hlp {

class KeywordIndex {
 public:
  // A keywords name links, not index entries: they have no sub-entries.
  explicit KeywordIndex(bool sub_entries = true) : sub_entries_(sub_entries) {}
  // Files the topic at offset under keyword (once per topic).
  void add(const std::string& keyword, std::int32_t topic_offset);
  std::size_t size() const { return keywords_.size(); }

  struct Files {
    std::string btree, data, map;
  };
  // nullopt when a keyword is too long for a page or is in more topics
  // than its 16-bit count holds.
  std::optional<Files> render() const;

 private:
  struct Less {
    bool operator()(const KeywordLevels& a, const KeywordLevels& b) const { return keyword_before(a, b); }
  };
  bool sub_entries_ = true;
  std::map<KeywordLevels, std::vector<std::int32_t>, Less> keywords_;
  // Lower-case first level: its spelling as first met.
  std::unordered_map<std::string, std::string> first_levels_;
};

}  // namespace hlp
