#include "html/framing/run_pages.h"

#include "html/driver/conversion_run.h"
#include "html/framing/frameset_page.h"
#include "html/index/htmlhelp_pages.h"
#include "html/text/markup.h"
#include "html/splitter/page_names.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace html {

namespace {

// The main frame's first page: the page being written, unless that is the
// TOC page itself (then the next page).
std::string first_main_page(const ConversionRun& run, std::size_t position) {
  std::string name = page_name(run.page_list.at(position).path);
  if (!run.publish.toc_from_cnt && contains_nocase(name, run.home_page) &&
      position + 1 < run.page_list.size())
    return page_name(run.page_list.at(position + 1).path);
  return name;
}

void write_frameset(ConversionRun& run, std::size_t position) {
  const wizard::FrameOptions& frm = run.settings.project.settings.frm;
  FramesetOptions o;
  o.title = run.settings.project.settings.frmt;
  o.rows = frm.position != 0;
  o.toc_size = frm.toc_size;
  o.toc_page = run.home_page;
  o.first_page = first_main_page(run, position);
  platform::write_file(frameset_path(run), frameset_page(o));
}

void write_contents_page(ConversionRun& run) {
  const wizard::ConversionState& st = run.settings;
  HelpControl control{st.project.htmlhelp.java_htmlhelp != 0, st.library.settings.hh_codebase};
  std::string hhc = wizard::project_stem(st.location.project_file) + ".hhc";
  platform::write_file(platform::join_path(st.derived.output_directory, st.derived.toc_page_name),
                       htmlhelp_contents_page(control, hhc));
}

}  // namespace

std::string frameset_path(const ConversionRun& run) {
  return platform::join_path(run.settings.derived.output_directory,
                             run.settings.derived.frame_page_name);
}

void write_run_pages(ConversionRun& run, std::size_t position) {
  const wizard::ProjectSettings& p = run.settings.project;
  if (p.settings.frm.in_frame != 0 && !run.publish.frameset_written &&
      position < run.page_list.size()) {
    write_frameset(run, position);
    run.publish.frameset_written = true;
  }
  if (p.htmlhelp.use_htmlhelp != 0 && !run.publish.contents_page_written) {
    write_contents_page(run);
    run.publish.contents_page_written = true;
  }
}

}  // namespace html
