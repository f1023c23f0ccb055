// The page writer's heading step: each heading gets an anchor "T" + number,
// the project's format for its level (alignment, character formatting,
// rules, a link to the top of the page), its place in the wide-margin layout
// table, and, for long documents, the local contents marker after it.
#pragma once
#include <string>

#include "html/pages/local_toc.h"
#include "html/text/read_on.h"
#include "wizard/project_settings.h"

namespace html {

class HeadingStep {
 public:
  // long_document: the local table of contents goes after the first heading
  // one level above "ltmin".
  HeadingStep(const wizard::PageSettings& s, bool long_document);
  // Converts every heading of the buffer, reading on to a heading's end.
  void apply(std::string& buffer, ReadOn& more);

  // Whether the layout table was opened on this page.
  bool layout_open() const { return layout_open_; }
  // Whether the local contents marker was placed.
  bool marker_placed() const { return marker_placed_; }
  // The page's converted headings.
  const LocalToc& headings() const { return toc_; }

 private:
  std::size_t convert(std::string& buffer, std::size_t from, std::size_t at, ReadOn& more);
  std::string layout_before(int placement);
  std::string layout_after(int placement) const;

  const wizard::PageSettings& s_;
  bool long_document_;
  int counter_ = 1;
  bool layout_open_ = false;
  bool marker_placed_ = false;
  LocalToc toc_;
};

// The rule of a heading record's rule before or after it.
std::string heading_rule(const wizard::RuleOptions& rule, int alignment);

// Removes the export's own bookmarks ("_Toc", "_Ref", "B_Ref" anchors) with
// their "</A>".
void remove_heading_bookmarks(std::string& html);

}  // namespace html
