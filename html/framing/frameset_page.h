// The frameset page of a publication with frames: the TOC in one frame, the
// topics in the other.
#pragma once
#include <string>

namespace html {

struct FramesetOptions {
  std::string title;       // "frmt"
  bool rows = false;       // the TOC frame on top, else at the left
  int toc_size = 30;       // percent of the window
  std::string toc_page;    // the TOC frame's page
  std::string first_page;  // the main frame's first page
};

// The whole frameset page.
std::string frameset_page(const FramesetOptions& options);

}  // namespace html
