#include "html/index/heading_contents.h"

#include "html/driver/conversion_run.h"
#include "html/splitter/page_names.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace html {

std::string heading_contents(const PageList& pages, std::string_view frame_name) {
  std::string out =
      "<HTML>\r\n<BODY>\r\n<!-- Sitemap 1.0 -->\r\n<OBJECT type=\"text/site properties\">\r\n";
  if (!frame_name.empty())
    out += "<param name = \"FrameName\" value=\"" + std::string(frame_name) + "\">\r\n";
  out += "</OBJECT>\r\n\r\n<UL>\r\n";
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const PageEntry& page = pages.at(i);
    out += "<LI> <OBJECT type=\"text/sitemap\">\r\n";
    out += "<param name = \"Name\" value=\"" + page.title + "\">\r\n";
    out += "<param name = \"Local\" value=\"" + page_name(page.path) + "\">\r\n";
    out += "</OBJECT>\r\n";
  }
  out += "</UL>\r\n\r\n</HTML>\r\n";
  return out;
}

bool write_heading_contents(const ConversionRun& run) {
  const wizard::ProjectSettings& p = run.settings.project;
  std::string frame = p.settings.frm.in_frame != 0 ? std::string(wizard::kHtmlHelpMainFrame) : "";
  return platform::write_file(
      platform::replace_extension(run.settings.location.project_file, ".hhc"),
      heading_contents(run.page_list, frame));
}

}  // namespace html
