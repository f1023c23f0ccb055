// The main job: publish a help project as a browsable site, as the word
// processor's macros do it, and report what was published.
#pragma once
#include <string>
#include <vector>

#include "host/convert_flow.h"
#include "host/libraries.h"
#include "host/progress.h"

namespace host {

// What a publication produced.
struct PublishResult {
  std::string start_page;  // host path of the page to open first
  int pages = 0, links = 0, index_entries = 0, unresolved_jumps = 0;
  std::vector<std::string> unknown_jumps;  // targets of jumps to no page, by name
  int unknown_not_listed = 0;              // further ones the summary had no room for
  int failed_files = 0, failed_pages = 0;  // what the library could not publish
  int pictures = 0;                        // "{bm...}" references made into pictures
  int missing_pictures = 0, failed_pictures = 0;  // bitmaps not found, or not converted
  int checked_links = 0;
  std::vector<std::string> broken_links;
  bool html_help = false;             // the template makes HTML Help, not a site
  std::vector<std::string> html_help_files;  // its .hhp, .hhc and .hhk that exist (names)
  int compiler_process = 0;           // the HTML Help compile the library started
  std::string compiled_file;          // host path of the .chm it builds
  int compiler_status = -1;           // its exit status once it ended
  bool chm_built = false;             // it ended well and the .chm is there
  std::vector<std::string> written;   // file names the run wrote in the output folder
  ConvertResult converted;
};

// Converts the project into out_dir with the template file and runs
// ProcessFiles; false with error set when it could not.
bool publish_project(const Libraries& libs, const std::string& hpj, const std::string& out_dir,
                     const std::string& template_file, Progress& progress, PublishResult& result,
                     std::string& error);

// twhost publish PROJECT.hpj --out DIR [--template NAME.lfc] [--keep-intermediates]
int run_publish(const Libraries& libs, const std::vector<std::string>& args);

}  // namespace host
