#include "html/pages/related_block.h"

#include "html/driver/conversion_run.h"
#include "html/framing/page_framer.h"
#include "html/text/page_rewrite.h"
#include "platform/text.h"

namespace html {

namespace {

constexpr std::string_view kControlClass =
    "classid=\"clsid:adb880a6-d8ff-11cf-9377-00aa003b7a11\"\r\n";

std::string items(const std::vector<RelatedPage>& related) {
  std::string out;
  int n = 1;
  for (const RelatedPage& r : related)
    out += text::format("<PARAM name=\"Item%d\" value=\"%s;%s\">\r\n", n++, r.title.c_str(),
                        r.target.c_str());
  return out;
}

std::string activex_block(const std::vector<RelatedPage>& related, const RelatedBlockOptions& o) {
  std::string out = "<P></P><HR>\r\n<OBJECT id=hhctrl type=\"application/x-oleobject\"\r\n";
  out += kControlClass;
  out += "codebase=\"" + o.codebase +
         "\"\r\nWIDTH=12\r\nHEIGHT=12\r\nALIGN=BOTTOM\r\nVSPACE=2\r\n>\r\n";
  out += "<PARAM name=\"Command\" value=\"Related Topics, MENU\">\r\n";
  out += "<PARAM name=\"Button\" value=\"\">\r\n";
  out += items(related) + "</OBJECT>\r\n";
  out += "\r\n\r\n<OBJECT id=hhctrl type=\"application/x-oleobject\"\r\n";
  out += kControlClass;
  out += "codebase=\"" + o.codebase +
         "\"\r\nwidth=91\r\nheight=19\r\n\r\nHSPACE=6\r\nALIGN=BOTTOM>\r\n";
  out += "<PARAM name=\"Command\" value=\"Related Topics, MENU\">\r\n";
  out += "<PARAM name=\"Text\" value=\"Text:" + o.heading + "\">\r\n";
  out += "<PARAM name=\"Font\" value=\"Arial, 9\">\r\n";
  out += items(related) + "</OBJECT>\r\n";
  return out;
}

}  // namespace

std::string related_block(const std::vector<RelatedPage>& related, const RelatedBlockOptions& o,
                          bool layout_table_open) {
  if (related.empty()) return {};
  if (o.activex) return activex_block(related, o);
  std::string out;
  if (layout_table_open)
    out += text::format("</TD></TR><TR>\r\n<TD VALIGN=TOP WIDTH=\"%d\">\r\n", o.margin_width);
  out += "<H3>" + o.heading + "</H3>\r\n";
  if (layout_table_open) out += "</TD><TD>\r\n";
  for (const RelatedPage& r : related)
    out += "<P><A HREF=\"" + r.target + "\"" + o.frame_target + ">" + r.title + "</A></P>\r\n";
  return out;
}

int add_related_topics(ConversionRun& run, std::size_t position, const KeywordPages& keywords) {
  if (position >= run.page_list.size()) return 0;
  std::string path = run.page_list.at(position).path;
  std::vector<RelatedPage> related = keywords.related_to(page_name(path), run.publish.names);
  if (related.empty()) return 1;
  const wizard::ProjectSettings& p = run.settings.project;
  RelatedBlockOptions o;
  o.heading = p.settings.reltopicshead;
  o.activex = p.htmlhelp.use_htmlhelp != 0 && p.htmlhelp.java_htmlhelp == 0;
  o.codebase = run.settings.library.settings.hh_codebase;
  if (p.settings.frm.in_frame != 0) o.frame_target = std::string(wizard::kMainFrameTarget);
  o.margin_width = p.settings.wdmgn1.margin_width;
  PageRewrite rewrite(path);
  if (!rewrite.ok()) return 0;
  while (std::optional<std::string> line = rewrite.next_line(LineReader::kWindowBytes)) {
    rewrite.write(*line);
    if (line->find(kBodyEndMark) == std::string::npos) continue;
    std::optional<std::string> next = rewrite.next_line(LineReader::kWindowBytes);
    bool layout_open = next && next->starts_with(kLayoutTableClose);
    rewrite.write(related_block(related, o, layout_open));
    if (next) rewrite.write(*next);
    rewrite.copy_rest();
    break;
  }
  return rewrite.finish() ? 1 : 0;
}

}  // namespace html
