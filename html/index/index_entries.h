// The keyword index of one conversion: entries collected while the pages are
// written, in insertion order, sorted once when the index is finished.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace html {

// One entry: a first-level keyword or "first:second", and its target
// (page file name + "#IX_" + number).
struct IndexEntry {
  std::string keyword;
  std::string target;
  // The keyword's first level (up to ":") and second level (after it).
  std::string_view first_level() const;
  std::string_view second_level() const;
  bool has_second_level() const;
};

// The keyword as stored: its CRs and LFs removed, every double quote a
// blank, blanks trimmed at both ends.
std::string clean_index_keyword(std::string_view keyword);

// The index's sort rule: case ignored (letters compare as capitals, so the
// characters between "Z" and "a" follow the letters); first levels decide;
// on equal first levels an entry without a second level comes first.
bool index_entry_before(const IndexEntry& a, const IndexEntry& b);

class IndexEntries {
 public:
  // Stores a cleaned keyword with its target; an empty keyword is ignored.
  // The table grows with the project.
  void add(std::string_view keyword, std::string_view target);
  void clear();
  // Sorts by the index's rule; entries that compare equal keep their order.
  void sort();
  const std::vector<IndexEntry>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }

 private:
  std::vector<IndexEntry> entries_;
};

}  // namespace html
