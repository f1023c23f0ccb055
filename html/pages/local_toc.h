// A page's local table of contents: links to the anchors of its converted
// headings, in the form of a ".toc" file, which the framer puts at the top
// of the page or at the page writer's marker.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace html {

class LocalToc {
 public:
  // Notes a converted heading: its level, its anchor number ("T" + number)
  // and its text (tags are removed).
  void add(int level, int anchor, std::string_view heading_html);
  void clear() { headings_.clear(); }

  // The list of the headings from level first to level last, nested by
  // level; "" when fewer than two headings qualify (a single heading needs
  // no table).
  std::string text(int first, int last) const;

 private:
  struct Heading {
    int level;
    int anchor;
    std::string text;
  };
  std::vector<Heading> headings_;
};

}  // namespace html
