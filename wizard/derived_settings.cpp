#include "wizard/derived_settings.h"

#include "platform/paths.h"
#include "wizard/limits.h"

namespace wizard {

namespace {

// Levels 2-5 of "ltmin" have a flag each in "longdoc".
constexpr int kFirstLongDocLevel = 2;
constexpr int kLastLongDocLevel = 5;

bool long_document(const PageSettings& s) {
  if (s.tocset.long_doc_enable == 0) return false;
  if (s.ltmin < kFirstLongDocLevel || s.ltmin > kLastLongDocLevel) return false;
  return s.longdoc[static_cast<std::size_t>(s.ltmin - kFirstLongDocLevel)] != 0;
}

// In batch mode, or when asked, the frame and index pages carry the
// project's stem so that several publications can share one folder.
std::string page_name(std::string_view name, bool prefixed, std::string_view stem) {
  if (!prefixed || stem.empty()) return std::string(name);
  return std::string(stem) + "_" + std::string(name);
}

}  // namespace

std::string project_stem(std::string_view project_file) {
  std::string_view name = platform::file_name_of(project_file);
  std::string_view extension = platform::extension_of(name);
  return std::string(name.substr(0, name.size() - extension.size()));
}

void apply_html_help_mode(ProjectSettings& project) {
  if (project.htmlhelp.use_htmlhelp == 0) return;
  project.settings.gtinct = 0;
  project.settings.gtmax = kHtmlHelpTocMaxLevel;
}

DerivedSettings derive_settings(const ProjectSettings& project, const ProjectLocation& location) {
  const PageSettings& s = project.settings;
  DerivedSettings d;
  if (s.frm.in_frame != 0) {
    d.toc_frame_target = kTocFrameTarget;
    d.main_frame_target =
        project.htmlhelp.use_htmlhelp != 0 ? kHtmlHelpMainFrame : kMainFrameTarget;
  }
  bool prefixed = s.uniquenames != 0 || location.batch_mode;
  std::string stem = project_stem(location.project_file);
  d.toc_page_name = s.tcfn.empty() ? PageSettings{}.tcfn : s.tcfn;
  d.index_page_name = page_name(s.ixfn, prefixed, stem);
  d.frame_page_name = page_name(s.frm.page_name, prefixed, stem);
  d.output_directory = platform::directory_of(location.output_location);
  d.index_on = s.noix == 0;
  d.long_document = long_document(s);
  return d;
}

}  // namespace wizard
