#include "host/export/html_export.h"

#include "host/export/html_sink.h"
#include "host/export/html_text.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "rtf/code_page.h"
#include "rtf/reader.h"

namespace host::html_export {

namespace {

std::string page(std::string_view title, std::string_view body, int code_page) {
  std::string out;
  auto line = [&out](std::string_view text) {
    out += text;
    out += kLineEnd;
  };
  line("<HTML>");
  line("<HEAD>");
  // The text is in the document's code page (\ansicpg), as the page says.
  line("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=" +
       rtf::charset_name(code_page) + "\">");
  line("<META NAME=\"Generator\" CONTENT=\"" + std::string(kGenerator) + "\">");
  std::string title_line = "<TITLE>";
  append_escaped(title_line, title);
  line(title_line + "</TITLE>");
  line("</HEAD>");
  line("<BODY>");
  out += body;
  line("</BODY>");
  line("</HTML>");
  return out;
}

}  // namespace

std::string export_rtf_to_html(std::string_view rtf, std::string_view title_fallback) {
  rtf::Reader reader(rtf);
  HtmlSink sink(reader);
  reader.run(sink);
  std::string body = sink.finish();
  const std::string& title = reader.header().title;
  return page(title.empty() ? title_fallback : std::string_view(title), body,
              reader.header().code_page);
}

std::string html_path_for(std::string_view rtf_path) {
  return platform::replace_extension(rtf_path, ".htm");
}

bool export_rtf_file(std::string_view rtf_path, std::string_view html_path) {
  std::optional<std::string> rtf = platform::read_file(rtf_path);
  if (!rtf) return false;
  std::string_view name = platform::file_name_of(rtf_path);
  std::string_view title = name.substr(0, name.size() - platform::extension_of(name).size());
  std::string target = html_path.empty() ? html_path_for(rtf_path) : std::string(html_path);
  return platform::write_file(target, export_rtf_to_html(*rtf, title));
}

}  // namespace host::html_export
