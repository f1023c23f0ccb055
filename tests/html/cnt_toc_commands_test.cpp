// Header lines of the contents file in the HTML Help sitemap: only an
// include line merges another file, in whatever case it is written.
#include <gtest/gtest.h>

#include "html/index/cnt_toc.h"
#include "html/pages/context_resolver.h"
#include "support/test_support.h"

namespace html {
namespace {

class CntTocCommands : public tw_test::Fixture {};

TEST_F(CntTocCommands, OnlyIncludeLinesMerge) {
  const std::string cnt = ":Title How to :include files\n:Index Includes=inc.hlp\n:iNcLuDe Parts.cnt\n";
  CntTocOptions options;
  options.html_help = true;
  const ContextResolver contexts;
  EXPECT_EQ(contents_from_cnt(cnt, options, contexts),
            "<HTML>\r\n<BODY>\r\n<!-- Sitemap 1.0 -->\r\n<OBJECT type=\"text/site properties\">\r\n"
            "</OBJECT>\r\n\r\n"
            "\r\n<OBJECT type=\"text/sitemap\">\r\n<param name=\"Merge\" "
            "value=\"Parts.chm::/Parts.hhc\">\r\n</OBJECT>\r\n"
            "\r\n</HTML>\r\n");
}

// A title longer than any line buffer, on a contents file written with LF
// and a lone CR: every entry arrives whole.
TEST_F(CntTocCommands, LongLinesAndOddLineEndsReadWhole) {
  const std::string title(9000, 'w');
  ContextResolver contexts;
  contexts.add("guidep2.htm#IDH_long#");
  contexts.add("guidep3.htm#IDH_next#");
  const std::string cnt = "1 Book\n2 " + title + "=IDH_long\r2 Next=IDH_next\n";
  CntTocOptions options;
  options.html_help = true;
  const std::string toc = contents_from_cnt(cnt, options, contexts);
  EXPECT_NE(toc.find("value=\"" + title + "\">\r\n<param name = \"Local\" value=\"guidep2.htm#IDH_long\">"),
            std::string::npos);
  EXPECT_NE(toc.find("value=\"Next\">\r\n<param name = \"Local\" value=\"guidep3.htm#IDH_next\">"),
            std::string::npos);
}

}  // namespace
}  // namespace html
