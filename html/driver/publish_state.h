// The page writer's, index's and framer's part of the conversion run state:
// rebuilt at the start of every ProcessFiles.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "html/pages/context_resolver.h"
#include "html/index/index_entries.h"
#include "html/framing/contents_outline.h"
#include "html/framing/page_framer.h"
#include "html/splitter/page_names.h"

namespace html {

// What a run wrote, for the caller's summary.
struct PublishCounts {
  int pages = 0;             // topic pages written
  int links = 0;             // jumps made into links
  int unresolved_jumps = 0;  // jumps to context strings in no page (hotspot text kept)
  int index_entries = 0;     // entries in the finished index
  // The targets of those jumps, each once, in the order met.
  std::vector<std::string> unresolved_names;
  // Counts a jump that stays plain text and names its target.
  void unresolved(const std::string& target);
  int failed_files = 0;      // registered files that could not be split into pages
  int failed_pages = 0;      // pages that could not be written (left as split)
  int pictures = 0;          // "{bm...}" references made into pictures
  int failed_pictures = 0;   // references whose bitmap was found but not converted
  int missing_pictures = 0;  // references whose bitmap is nowhere (text kept)
};

struct PublishState {
  IndexEntries index;         // AddIndexEntry's entries until FinishIndex
  // The context index's [Keywords] section, made from the finished index:
  // it lets a help viewer find a topic by keyword. Kept as text, since a
  // large project's index entries are many times its size.
  std::string keyword_lines;
  int index_anchor = 1;       // the next "IX_" number of the run
  ContextResolver contexts;   // the context map, indexed for look-ups
  PageNames names;            // the page list by file name, once the pages are split
  bool toc_from_cnt = false;  // this run makes its TOC from the contents file
  bool frameset_written = false;
  bool contents_page_written = false;  // the HTML Help contents page
  bool local_toc_at_heading = false;   // the page being written placed its local TOC itself
  // The local TOC of the page the writer hands to the framer; without one
  // the framer reads the page's ".toc" file.
  std::optional<std::string> local_toc;
  // The main contents beside each page (layout element "C"), made once.
  std::optional<std::string> contents_sidebar;
  // Its entries as a tree, kept only when the sidebars are cut to each
  // page's way (past kWholeSidebarEntries).
  std::optional<ContentsOutline> contents_outline;
  std::string index_page_path;  // the index page FinishIndex wrote ("" when none)
  // The charset the first registered file's pages declare; the index page
  // declares it too.
  std::string page_charset;
  // The framer's head code, header and footer, read on first use.
  std::optional<FrameFiles> frame_files;
  // The folders pictures are looked for in, found on first use.
  std::optional<std::vector<std::string>> bitmap_folders;
  // The HTML Help compiler the finishing step started (0: none) and the
  // file it builds; the library does not wait for it.
  int compiler_process = 0;
  std::string compiled_file;
  PublishCounts counts;
};

}  // namespace html
