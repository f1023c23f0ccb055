// The two tables the splitter builds for the link passes: the context map
// (which page and anchor carries each context string) and the browse map
// (the browse sequences).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace html {

// Text entries kept in insertion order; the table grows with the project.
class TextTable {
 public:
  void add(std::string_view entry) { entries_.emplace_back(entry); }
  void clear() { entries_.clear(); }
  const std::vector<std::string>& entries() const { return entries_; }

 protected:
  std::vector<std::string> entries_;
};

// Entries "page#context#", with "%" after them when the anchor lies in the
// first five lines of its page.
class ContextMap : public TextTable {};

// Entries "sequence=page"; sorted by plain byte comparison when first searched.
class BrowseMap : public TextTable {
 public:
  void add(std::string_view entry);
  void clear();
  // The page after (or before) page in its browse group, "" at either end,
  // when the neighbour is of another group, or when page is not in the map.
  std::string next(std::string_view page);
  std::string previous(std::string_view page);

 private:
  std::string neighbour(std::string_view page, int step);
  void sort_once();
  bool sorted_ = false;
  // Page -> its first entry in sorted order, built with the sort.
  std::unordered_map<std::string, std::size_t> first_of_page_;
};

}  // namespace html
