#include "html/framing/contents_sidebar.h"

#include <optional>

#include "html/driver/conversion_run.h"
#include "html/driver/process_files.h"
#include "html/framing/contents_outline.h"
#include "html/framing/page_framer.h"
#include "html/index/cnt_toc.h"
#include "html/splitter/page_names.h"
#include "html/text/html_text.h"
#include "html/text/markup.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace html {
namespace {

constexpr std::string_view kOpen = "<NAV CLASS=\"tw-contents\">\r\n";
constexpr std::string_view kClose = "</NAV>\r\n";
constexpr std::string_view kWholeContentsStem = "twzcont";
// The link to the whole contents when the project names no contents title.
constexpr std::string_view kAllContents = "Contents";

std::string from_contents_file(const ConversionRun& run) {
  const std::optional<std::string> cnt = platform::read_file(contents_file_path(run));
  if (!cnt) return {};
  CntTocOptions options = cnt_toc_options(run);
  options.html_help = false;
  options.show_title = false;
  return body_of(contents_from_cnt(*cnt, options, run.publish.contexts));
}

std::string from_page_list(const ConversionRun& run) {
  std::string out = "<UL>\r\n";
  for (std::size_t i = 0; i < run.page_list.size(); ++i) {
    const PageEntry& page = run.page_list.at(i);
    out += "<LI><A HREF=\"" + escape_html(page_name(page.path)) + "\">" + escape_html(page.title) +
           "</A>\r\n";
  }
  return out + "</UL>\r\n";
}

// The whole sidebar, made once; a long one is also read into the outline
// the cut sidebars are made from.
const std::string& whole_sidebar(ConversionRun& run) {
  std::optional<std::string>& sidebar = run.publish.contents_sidebar;
  if (sidebar) return *sidebar;
  std::string entries = run.publish.toc_from_cnt ? from_contents_file(run) : std::string();
  if (entries.find("<A ") == std::string::npos) entries = from_page_list(run);
  sidebar = std::string(kOpen) + entries + std::string(kClose);
  ContentsOutline outline(std::move(entries));
  if (outline.entry_count() > kWholeSidebarEntries) run.publish.contents_outline = std::move(outline);
  return *sidebar;
}

std::string all_contents_link(const ConversionRun& run, std::string_view whole_page) {
  const std::string& title = run.settings.project.settings.tct;
  return "<P CLASS=\"tw-all-contents\"><A HREF=\"" + escape_html(whole_page) + "\">" +
         (title.empty() ? std::string(kAllContents) : title) + "</A></P>\r\n";
}

}  // namespace

std::string body_of(const std::string& page) {
  std::size_t start = find_nocase(page, "<BODY");
  if (start == kNoPos) return page;
  start = tag_end(page, start);
  if (start == kNoPos) return page;
  std::size_t end = find_nocase(page, "</BODY");
  if (end == kNoPos || end < start) end = page.size();
  return page.substr(start + 1, end - start - 1);
}

std::string contents_sidebar(ConversionRun& run, std::string_view page) {
  const std::string& whole = whole_sidebar(run);
  const std::optional<ContentsOutline>& outline = run.publish.contents_outline;
  if (!outline) return whole;
  std::string whole_page = whole_contents_page_name(run);
  return std::string(kOpen) + all_contents_link(run, whole_page) +
         outline->path_to(page, whole_page) + std::string(kClose);
}

std::string whole_contents_page_name(const ConversionRun& run) {
  const std::string extension = run.settings.project.settings.fnames.extension;
  std::string name = std::string(kWholeContentsStem) + extension;
  for (int n = 1; run.publish.names.position_of(name); ++n)
    name = std::string(kWholeContentsStem) + std::to_string(n) + extension;
  return name;
}

bool write_whole_contents_page(ConversionRun& run) {
  if (!run.publish.contents_outline) return true;
  const wizard::PageSettings& s = run.settings.project.settings;
  std::string page = "<HTML>\r\n<HEAD>\r\n<TITLE>" + s.tct + "</TITLE>\r\n";
  if (!run.publish.page_charset.empty()) page += charset_meta(run.publish.page_charset) + "\r\n";
  page += "</HEAD>\r\n<BODY>\r\n" + *run.publish.contents_sidebar + "</BODY>\r\n</HTML>\r\n";
  std::string path =
      platform::join_path(run.settings.derived.output_directory, whole_contents_page_name(run));
  return platform::write_file(path, frame_page_text(run, path, wizard::PageKind::toc, std::move(page)));
}

}  // namespace html
