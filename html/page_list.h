// The page list: every page of the conversion with its title, in processing
// order. The registered HTML files are loaded into it; the splitter replaces
// each file's entry by its first page and inserts the further pages after it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace html {

// The list's fixed room: entries, and the bytes of their strings (20 blocks
// of 32,000 bytes).
inline constexpr std::size_t kMaxPages = 16002;
inline constexpr std::size_t kPageListBytes = 20 * 32000;

struct PageEntry {
  std::string path;
  std::string title;
  bool operator==(const PageEntry&) const = default;
};

class PageList {
 public:
  // Appends a page at the end of the processing order; false when full.
  bool add(std::string_view path, std::string_view title);
  // Puts a page into the processing order right after position; false when full.
  bool insert_after(std::size_t position, std::string_view path, std::string_view title);
  // Overwrites the page at a processing position; false when full.
  bool replace(std::size_t position, std::string_view path, std::string_view title);
  // True when another page can be added.
  bool has_room(std::string_view path, std::string_view title) const;
  void clear();

  std::size_t size() const { return order_.size(); }
  // The page at a processing position.
  const PageEntry& at(std::size_t position) const { return entries_[order_[position]]; }
  // True when a page of this file name (without folder, ignoring case) is listed.
  bool has_name(std::string_view name) const;
  // Every page in processing order.
  std::vector<PageEntry> in_order() const;

 private:
  bool charge(std::string_view path, std::string_view title);
  void count_name(std::string_view path, int change);

  std::vector<PageEntry> entries_;
  std::vector<std::uint16_t> order_;  // indexes into entries_
  std::size_t bytes_ = 0;
  std::unordered_map<std::string, int> names_;  // lower-case file names and their count
};

// A title as the page list keeps it: each CR becomes a blank, the LF after it goes.
std::string page_title(std::string_view title);

}  // namespace html
