// Header lines of the contents file in the HTML Help sitemap: only an
// include line merges another file, in whatever case it is written.
#include <gtest/gtest.h>

#include "html/index/cnt_toc.h"
#include "html/pages/context_resolver.h"
#include "html/text/line_reader.h"
#include "support/test_support.h"

namespace html {
namespace {

class CntTocCommands : public tw_test::Fixture {};

TEST_F(CntTocCommands, OnlyIncludeLinesMerge) {
  tw_test::write_file(file("guide.cnt"),
                      ":Title How to :include files\n:Index Includes=inc.hlp\n:iNcLuDe Parts.cnt\n");
  LineReader reader;
  ASSERT_TRUE(reader.open("guide.cnt"));
  CntTocOptions options;
  options.html_help = true;
  const ContextResolver contexts;
  EXPECT_EQ(contents_from_cnt(reader, options, contexts),
            "<HTML>\r\n<BODY>\r\n<!-- Sitemap 1.0 -->\r\n<OBJECT type=\"text/site properties\">\r\n"
            "</OBJECT>\r\n\r\n"
            "\r\n<OBJECT type=\"text/sitemap\">\r\n<param name=\"Merge\" "
            "value=\"Parts.chm::/Parts.hhc\">\r\n</OBJECT>\r\n"
            "\r\n</HTML>\r\n");
}

}  // namespace
}  // namespace html
