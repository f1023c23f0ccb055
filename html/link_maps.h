// The two tables the splitter builds for the link passes: the context map
// (which page and anchor carries each context string) and the browse map
// (the browse sequences).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace html {

inline constexpr std::size_t kMapBlockBytes = 20 * 32000;
inline constexpr std::size_t kMaxContexts = 32010;
inline constexpr std::size_t kMaxBrowseEntries = 16010;

// Text entries with fixed room, kept in insertion order.
class TextTable {
 public:
  explicit TextTable(std::size_t max_entries) : max_entries_(max_entries) {}
  // Appends an entry; false (nothing added) when the table is full.
  bool add(std::string_view entry);
  void clear();
  const std::vector<std::string>& entries() const { return entries_; }

 protected:
  std::vector<std::string> entries_;

 private:
  std::size_t max_entries_;
  std::size_t bytes_ = 0;
};

// Entries "page#context#", with "%" after them when the anchor lies in the
// first five lines of its page.
class ContextMap : public TextTable {
 public:
  ContextMap() : TextTable(kMaxContexts) {}
};

// Entries "sequence=page"; sorted by plain byte comparison when first searched.
class BrowseMap : public TextTable {
 public:
  BrowseMap() : TextTable(kMaxBrowseEntries) {}
  bool add(std::string_view entry);
  void clear();
  // The page after (or before) page in its browse group, "" at either end,
  // when the neighbour is of another group, or when page is not in the map.
  std::string next(std::string_view page);
  std::string previous(std::string_view page);

 private:
  std::string neighbour(std::string_view page, int step);
  bool sorted_ = false;
};

}  // namespace html
