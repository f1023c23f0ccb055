// The main contents as a tree of its entries, for a sidebar too long to
// stand whole beside every page: each page then shows the way to itself
// (its open books with their neighbours) and a link to one shared page that
// holds the whole list.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace html {

// Past this many entries a page's sidebar shows only the way to the page.
// The whole list beside every page makes a site grow with the square of its
// topics (10,000 topics came to 4.8 GB); 500 entries keep the largest whole
// sidebar near 40 KB, about the size of a long topic, and leave the output
// of ordinary projects as it was.
inline constexpr std::size_t kWholeSidebarEntries = 500;

// Entries shown before and after the open entry of each list on the way.
inline constexpr std::size_t kNeighboursShown = 10;

class ContentsOutline {
 public:
  // entries: the sidebar's lists as the contents writers make them, one
  // "<UL>", "</UL>" or entry a line.
  explicit ContentsOutline(std::string entries);

  std::size_t entry_count() const { return entries_; }

  // The lists a reader sees with the books that lead to the page open, each
  // list cut to the neighbours of its open entry; a cut is marked by a link
  // to whole_page. A page in no entry gets the start of the outermost list.
  std::string path_to(std::string_view page, std::string_view whole_page) const;

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  struct Node {
    std::size_t at = 0, size = 0;  // the entry's line in text_; size 0: a list without an entry
    std::size_t parent = kNone;
    std::vector<std::size_t> children;
  };

  void read(std::string_view line, std::size_t at, std::size_t& list, std::size_t& last,
            bool& outer_open);
  std::size_t add(std::size_t parent, std::size_t at, std::size_t size);
  void write_list(std::string& out, std::size_t list, const std::vector<std::size_t>& path,
                  std::size_t depth, std::string_view more) const;

  std::string text_;
  std::vector<Node> nodes_;  // nodes_[0]: the outermost list
  std::unordered_map<std::string, std::size_t> by_page_;  // lower-case page name -> first entry
  std::size_t entries_ = 0;
};

}  // namespace html
