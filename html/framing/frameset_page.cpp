#include "html/framing/frameset_page.h"

#include "platform/text.h"

namespace html {

std::string frameset_page(const FramesetOptions& o) {
  return text::format(
      "<HTML>\r\n<HEAD>\r\n<TITLE>%s</TITLE>\r\n</HEAD>\r\n<FRAMESET %s=\"%d%%,*\">\r\n"
      "<FRAME SRC=\"%s\" NAME=\"TOC_FRAME\">\r\n<FRAME SRC=\"%s\" NAME=\"MAIN_FRAME\">\r\n"
      "<NOFRAMES>\r\n<BODY>\r\n<H3>Please <A HREF=\"%s\">click here</A> to continue.</H3>\r\n"
      "</BODY>\r\n</NOFRAMES>\r\n</FRAMESET>\r\n</HTML>\r\n",
      o.title.c_str(), o.rows ? "ROWS" : "COLS", o.toc_size, o.toc_page.c_str(),
      o.first_page.c_str(), o.toc_page.c_str());
}

}  // namespace html
