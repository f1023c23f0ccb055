// A keyword index as three internal files: the B+ tree of keywords
// (|KWBTREE; |AWBTREE for A keywords), each with its count of topics and
// where its list starts in |KWDATA (the topics' offsets), and |KWMAP, the
// first keyword number of each leaf page.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace hlp {

class KeywordIndex {
 public:
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
    bool operator()(const std::string& a, const std::string& b) const;
  };
  std::map<std::string, std::vector<std::int32_t>, Less> keywords_;
};

}  // namespace hlp
