// The related-topics block at the end of a page's body: links to the pages
// that share a keyword with it, or for HTML Help the help control's Related
// Topics button and text.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "html/pages/related_topics.h"

namespace html {

struct ConversionRun;

// How the block is written.
struct RelatedBlockOptions {
  std::string heading = "See Also:";  // "reltopicshead"
  bool activex = false;               // HTML Help with the ActiveX control
  std::string codebase;               // of the ActiveX control
  std::string frame_target;           // links: " TARGET=..." with frames
  int margin_width = 0;               // the layout table's left column, when open
};

// The block for a page's related pages ("" when there are none).
std::string related_block(const std::vector<RelatedPage>& related, const RelatedBlockOptions& o,
                          bool layout_table_open);

// Inserts the related topics of the page at a processing position after its
// body-end mark. Returns 1, or 0 when the page cannot be rewritten.
int add_related_topics(ConversionRun& run, std::size_t position, const KeywordPages& keywords);

}  // namespace html
