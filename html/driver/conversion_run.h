// The conversion library's run state: everything one conversion keeps
// between the caller's calls. The export layer owns the single instance;
// every pass takes it as a parameter, so tests build a fresh one per case.
#pragma once
#include <string>
#include <vector>

#include "html/text/line_reader.h"
#include "html/splitter/held_pages.h"
#include "html/splitter/link_maps.h"
#include "html/splitter/page_list.h"
#include "html/pages/phrases.h"
#include "html/analysis/project_hpj.h"
#include "html/driver/publish_state.h"
#include "html/finishing/batch_control.h"
#include "html/analysis/rtf_file_list.h"
#include "html/splitter/translations.h"
#include "wizard/conversion_state.h"

namespace html {

// The home page when no topic is chosen as home.
inline constexpr std::string_view kDefaultHomePage = "twztoc.htm";

struct ConversionRun {
  wizard::ConversionState settings;  // the wizard's settings and project options
  ProjectData project;               // read from the help project
  RtfFileList rtf_files;             // the topic files process_rtf converts
  // The two line readers: one for the keyword databases, one for every other
  // file a pass reads.
  LineReader line_reader;
  LineReader keyword_reader;
  PhraseCursor phrases;        // get_next_phrase's place in the auto-link file
  std::string keyword_topics;  // the last keyword look-up's result
  int registered_files = 0;    // AddHTMLFile's counter

  // Built by the page splitter for the later passes.
  PageList page_list;
  HeldPages held_pages;  // split pages on their way to the page writer (publish only)
  std::size_t page_position = 0;  // processing position of the file being split
  ContextMap context_map;
  BrowseMap browse_map;
  std::vector<Translation> translations;
  std::string home_page = std::string(kDefaultHomePage);
  bool has_keywords = false;         // a page holds keyword markers: the index pass runs
  bool splitting_first_file = true;  // the first registered file picks the home page
  bool home_anchor_taken = false;

  // Page writing, index, contents and framing (html/publish_state.h).
  PublishState publish;

  // BatchControl's work list, from the start of a batch to its last item.
  BatchWork batch;
};

}  // namespace html
