#include "html/index/finish_index.h"

#include "html/driver/conversion_run.h"
#include "html/finishing/context_index.h"
#include "html/index/hhk_sitemap.h"
#include "html/index/htmlhelp_pages.h"
#include "html/index/index_page.h"
#include "html/framing/page_framer.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace html {

namespace {

// The index page is framed in memory and written once; a large project's
// index is the largest page of the run.
bool write_framed(ConversionRun& run, const std::string& path, std::string page) {
  return platform::write_file(path, frame_page_text(run, path, wizard::PageKind::index, std::move(page)));
}

bool write_web_index(ConversionRun& run, const std::string& path) {
  const wizard::PageSettings& s = run.settings.project.settings;
  AzIndexOptions options{s.ixt, s.tocset.index_title != 0, s.ixaz != 0, {}, run.publish.page_charset};
  options.used_letters_only = s.azused != 0;
  if (s.frm.in_frame != 0) options.frame_target = std::string(wizard::kMainFrameTarget);
  return write_framed(run, path, az_index_page(run.publish.index.entries(), options));
}

bool write_htmlhelp_index(ConversionRun& run, const std::string& path) {
  const wizard::ProjectSettings& p = run.settings.project;
  std::string hhk = platform::replace_extension(run.settings.location.project_file, ".hhk");
  HelpControl control{p.htmlhelp.java_htmlhelp != 0, run.settings.library.settings.hh_codebase};
  std::string frame = p.settings.frm.in_frame != 0 ? std::string(wizard::kHtmlHelpMainFrame) : "";
  const PageNames& names = run.publish.names;
  PageTitleLookup titles = [&names](std::string_view name) { return names.title_of(name); };
  platform::write_file(hhk, hhk_sitemap(run.publish.index.entries(), frame, titles));
  return write_framed(run, path, htmlhelp_index_page(control, platform::file_name_of(hhk)));
}

}  // namespace

bool add_index_entry(ConversionRun& run, std::string_view keyword, std::string_view target) {
  run.publish.index.add(keyword, target);
  return true;
}

std::string index_page_path(const ConversionRun& run) {
  return platform::join_path(run.settings.derived.output_directory,
                             run.settings.derived.index_page_name);
}

int finish_index(ConversionRun& run) {
  run.publish.names.rebuild(run.page_list);
  run.publish.index.sort();
  run.publish.counts.index_entries = static_cast<int>(run.publish.index.entries().size());
  std::string path = index_page_path(run);
  bool written = run.settings.project.htmlhelp.use_htmlhelp != 0 ? write_htmlhelp_index(run, path)
                                                                 : write_web_index(run, path);
  run.publish.keyword_lines = keywords_section(run.publish.index.entries());
  run.publish.index.clear();
  if (!written) return 0;
  run.publish.index_page_path = path;
  return 1;
}

int finish_index_for_caller(ConversionRun& run) {
  if (run.settings.location.project_file.empty()) wizard::load_conversion_state(run.settings);
  return finish_index(run);
}

}  // namespace html
