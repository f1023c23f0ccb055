// The page list: every page of the conversion with its title, in processing
// order. The registered HTML files are loaded into it; the splitter replaces
// each file's entry by its first page and inserts the further pages after it.
// The list grows with the project: no page is ever refused.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace html {

struct PageEntry {
  std::string path;
  std::string title;
  bool operator==(const PageEntry&) const = default;
};

class PageList {
 public:
  // Appends a page at the end of the processing order.
  void add(std::string_view path, std::string_view title);
  // Puts a page into the processing order right after position.
  void insert_after(std::size_t position, std::string_view path, std::string_view title);
  // Overwrites the page at a processing position; false when there is none.
  bool replace(std::size_t position, std::string_view path, std::string_view title);
  void clear();

  std::size_t size() const { return order_.size(); }
  // The page at a processing position.
  const PageEntry& at(std::size_t position) const { return entries_[order_[position]]; }
  // True when a page of this file name (without folder, ignoring case) is listed.
  bool has_name(std::string_view name) const;
  // Every page in processing order.
  std::vector<PageEntry> in_order() const;

 private:
  void count_name(std::string_view path, int change);

  std::vector<PageEntry> entries_;
  std::vector<std::size_t> order_;  // indexes into entries_
  std::unordered_map<std::string, int> names_;  // lower-case file names and their count
};

// A title as the page list keeps it: each CR becomes a blank, the LF after it goes.
std::string page_title(std::string_view title);

}  // namespace html
