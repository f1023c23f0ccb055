#include "html/framing/contents_sidebar.h"

#include <optional>

#include "html/driver/conversion_run.h"
#include "html/driver/process_files.h"
#include "html/index/cnt_toc.h"
#include "html/splitter/page_names.h"
#include "html/text/markup.h"
#include "platform/files.h"

namespace html {
namespace {

constexpr std::string_view kOpen = "<NAV CLASS=\"tw-contents\">\r\n";
constexpr std::string_view kClose = "</NAV>\r\n";

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

const std::string& contents_sidebar(ConversionRun& run) {
  std::optional<std::string>& sidebar = run.publish.contents_sidebar;
  if (sidebar) return *sidebar;
  std::string entries = run.publish.toc_from_cnt ? from_contents_file(run) : std::string();
  if (entries.find("<A ") == std::string::npos) entries = from_page_list(run);
  sidebar = std::string(kOpen) + entries + std::string(kClose);
  return *sidebar;
}

}  // namespace html
