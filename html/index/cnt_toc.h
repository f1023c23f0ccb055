// The table of contents made from the help project's contents file (".cnt"):
// a TOC page for the web, or the contents sitemap (".hhc") for HTML Help.
#pragma once
#include <string>
#include <string_view>

namespace html {

struct ConversionRun;
class ContextResolver;

// How the contents are written.
struct CntTocOptions {
  bool html_help = false;
  std::string title;       // "tct"
  bool show_title = true;  // an <H1> title at the top of the page
  bool bullets = true;     // "tocbuls": entries as list items, else paragraphs
  int size_step = 0;       // font size step of the entries
  bool bold = false;
  bool italic = false;
  std::string frame_target;    // pages: " TARGET=..." with frames, else empty
  std::string frame_name;      // sitemaps: the frame name with frames, else empty
  std::string page_extension;  // of the pages in other help files
};

// The whole TOC page or sitemap for the contents file's bytes, lines of any
// length. Topics whose context string is in no converted page are left out.
std::string contents_from_cnt(std::string_view cnt, const CntTocOptions& options,
                              const ContextResolver& contexts);

// The options of a run's settings.
CntTocOptions cnt_toc_options(const ConversionRun& run);

// Where write_cnt_toc writes: the TOC page in the output directory, or the
// project file's path with extension ".hhc" for HTML Help.
std::string cnt_toc_path(const ConversionRun& run);

// Writes the TOC from the contents file at cnt_path. 0 when the contents file
// cannot be read or the output cannot be created, else 1.
int write_cnt_toc(ConversionRun& run, std::string_view cnt_path);

}  // namespace html
