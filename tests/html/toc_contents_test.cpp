// The table of contents from the contents file, the HTML Help sitemaps and
// control pages, and the frameset page.
#include <gtest/gtest.h>

#include "html/index/cnt_toc.h"
#include "html/pages/context_resolver.h"
#include "html/framing/frameset_page.h"
#include "html/index/hhk_sitemap.h"
#include "html/index/htmlhelp_pages.h"
#include "support/test_support.h"

namespace html {
namespace {

class CntTocTest : public tw_test::Fixture {
 protected:
  CntTocTest() {
    contexts.add("guidep2.htm#IDH_welcome#%");
    contexts.add("guidep3.htm#IDH_print#");
    contexts.add("guidep4.htm#IDH_keys#");
  }
  std::string toc(std::string_view cnt, const CntTocOptions& options) {
    return contents_from_cnt(cnt, options, contexts);
  }
  ContextResolver contexts;
};

TEST_F(CntTocTest, WebPageWithLevelsHeadingsAndTopics) {
  CntTocOptions options;
  options.title = "Contents";
  options.size_step = 1;
  options.bold = true;
  std::string cnt =
      ":Base guide.hlp>main\r\n"
      ":Title Guide\r\n"
      "\r\n"
      "0 Getting Started\r\n"           // level 0 counts as 1
      "2 Welcome=IDH_WELCOME>main\r\n"  // contexts match without regard to case
      "2 Printing=  IDH_print\r\n"
      "2 Gone=IDH_not_converted\r\n"     // in no page: left out
      "2 Elsewhere=IDH_x@other.hlp\r\n"  // another help file: left out of a web TOC
      "17 Reference\r\n"                 // level 17 counts as 1
      "2 Keys & shortcuts=IDH_keys\r\n"
      ":include more.cnt\r\n";
  EXPECT_EQ(
      toc(cnt, options),
      "<HTML>\r\n<HEAD>\r\n<TITLE>Contents</TITLE>\r\n</HEAD>\r\n<BODY>\r\n"
      "<P><H1>Contents</H1>\r\n"
      "<UL>\r\n"
      "<LI><FONT SIZE=+1><B>Getting Started</B></FONT></LI>\r\n"
      "<UL>\r\n"
      "<LI><FONT SIZE=+1><B><A HREF=\"guidep2.htm\">Welcome</A></B></FONT></LI>\r\n"
      "<LI><FONT SIZE=+1><B><A HREF=\"guidep3.htm#IDH_print\">Printing</A></B></FONT></LI>\r\n"
      "</UL>\r\n"
      "<LI><FONT SIZE=+1><B>Reference</B></FONT></LI>\r\n"
      "<UL>\r\n"
      "<LI><FONT SIZE=+1><B><A HREF=\"guidep4.htm#IDH_keys\">Keys &amp; "
      "shortcuts</A></B></FONT></LI>\r\n"
      "</UL>\r\n</UL>\r\n"
      "\r\n</BODY>\r\n</HTML>\r\n");
}

TEST_F(CntTocTest, ParagraphsItalicsAndFrameTargets) {
  CntTocOptions options;
  options.title = "TOC";
  options.show_title = false;
  options.bullets = false;
  options.size_step = -1;
  options.italic = true;
  options.frame_target = " TARGET=\"MAIN_FRAME\"";
  EXPECT_EQ(toc("1 Printing=IDH_print\r\n", options),
            "<HTML>\r\n<HEAD>\r\n<TITLE>TOC</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<UL>\r\n"
            "<P><FONT SIZE=-1><I><A HREF=\"guidep3.htm#IDH_print\" TARGET=\"MAIN_FRAME\">"
            "Printing</A></I></FONT></P>\r\n</UL>\r\n\r\n</BODY>\r\n</HTML>\r\n");
}

TEST_F(CntTocTest, ShallowerLevelsNeverCloseTheOutermostList) {
  CntTocOptions options;
  options.show_title = false;
  std::string page = toc("3 Deep book\r\n1 Top=IDH_print\r\n", options);
  EXPECT_NE(
      page.find("<UL>\r\n<LI><FONT SIZE=+0>Deep book</FONT></LI>\r\n<LI><FONT SIZE=+0><A HREF"),
      std::string::npos);
  EXPECT_NE(page.find("</LI>\r\n</UL>\r\n\r\n</BODY>"), std::string::npos);
}

TEST_F(CntTocTest, HtmlHelpSitemapWithMergesAndOtherFiles) {
  CntTocOptions options;
  options.html_help = true;
  options.frame_name = "MAIN_FRAME";
  options.page_extension = ".htm";
  std::string cnt =
      "1 Book \"one\"\r\n"
      "2 Printing=IDH_print\r\n"
      "2 Other=IDH_far@Other.HLP>win\r\n"
      ":Include extra.cnt\r\n";
  EXPECT_EQ(toc(cnt, options),
            "<HTML>\r\n<BODY>\r\n<!-- Sitemap 1.0 -->\r\n<OBJECT type=\"text/site properties\">\r\n"
            "<param name = \"FrameName\" value=\"MAIN_FRAME\">\r\n</OBJECT>\r\n\r\n"
            "<UL>\r\n"
            "<LI> <OBJECT type=\"text/sitemap\">\r\n<param name = \"Name\" value=\"Book "
            "&quot;one&quot;\">\r\n</OBJECT>\r\n"
            "<UL>\r\n"
            "<LI> <OBJECT type=\"text/sitemap\">\r\n<param name = \"Name\" value=\"Printing\">\r\n"
            "<param name = \"Local\" value=\"guidep3.htm#IDH_print\">\r\n</OBJECT>\r\n"
            "<LI> <OBJECT type=\"text/sitemap\">\r\n<param name = \"Name\" value=\"Other\">\r\n"
            "<param name = \"Local\" value=\"ms-its:Other.chm::/IDH_far.htm\">\r\n</OBJECT>\r\n"
            "\r\n<OBJECT type=\"text/sitemap\">\r\n<param name=\"Merge\" "
            "value=\"extra.chm::/extra.hhc\">\r\n</OBJECT>\r\n"
            "</UL>\r\n</UL>\r\n\r\n</HTML>\r\n");
}

TEST(ContextResolver, FindsPagesAndAnchorsInInsertionOrder) {
  ContextResolver contexts;
  contexts.add("a.htm#IDH_top#%");
  contexts.add("b.htm#IDH_deep#");
  contexts.add("c.htm#idh_deep#");
  EXPECT_EQ(contexts.resolve("#IDH_top#"), "a.htm");
  EXPECT_EQ(contexts.resolve("#idh_DEEP#"), "b.htm#IDH_deep");
  EXPECT_EQ(contexts.resolve("#IDH_missing#"), "#IDH_missing#");
  EXPECT_FALSE(contexts.knows("#IDH_missing#"));
  EXPECT_FALSE(contexts.knows("##"));
}

TEST(HhkSitemap, KeywordsWithPagesAndSecondLevels) {
  IndexEntries entries;
  entries.add("print", "a.htm#IX_1");
  entries.add("print", "a.htm#IX_4");  // the same page again: listed once
  entries.add("Print", "b.htm#IX_2");
  entries.add("setup:printer", "b.htm#IX_3");
  entries.add("setup:paper", "a.htm#IX_5");
  entries.sort();
  auto title = [](std::string_view page) {
    return page == "a.htm" ? std::string("Alpha") : std::string();
  };
  std::string object = "<LI> <OBJECT type=\"text/sitemap\">\r\n";
  EXPECT_EQ(
      hhk_sitemap(entries.entries(), "", title),
      "<HTML>\r\n<!-- Sitemap 1.0 -->\r\n\r\n<OBJECT type=\"text/site properties\">\r\n"
      "</OBJECT>\r\n<UL>\r\n\r\n" +
          object +
          "<param name=\"Name\" value=\"print\">\r\n"
          "<param name=\"Name\" value=\"Alpha\">\r\n<param name=\"Local\" value=\"a.htm\">\r\n"
          "<param name=\"Name\" value=\"b.htm\">\r\n<param name=\"Local\" value=\"b.htm\">\r\n"
          "</OBJECT>\r\n" +
          object +
          "<param name=\"Name\" value=\"setup\">\r\n"
          "<param name=\"Name\" value=\"Alpha\">\r\n<param name=\"Local\" value=\"a.htm\">\r\n"
          "</OBJECT>\r\n<UL>\r\n" +
          object +
          "<param name=\"Name\" value=\"paper\">\r\n"
          "<param name=\"Name\" value=\"Alpha\">\r\n<param name=\"Local\" value=\"a.htm\">\r\n"
          "</OBJECT>\r\n\r\n" +
          object +
          "<param name=\"Name\" value=\"printer\">\r\n"
          "<param name=\"Name\" value=\"b.htm\">\r\n<param name=\"Local\" value=\"b.htm\">\r\n"
          "</OBJECT>\r\n</UL>\r\n\r\n"
          "\r\n</UL>\r\n\r\n</BODY>\r\n</HTML>\r\n");
}

TEST(HtmlHelpPages, AppletAndObjectForms) {
  HelpControl applet{true, ""};
  EXPECT_EQ(htmlhelp_contents_page(applet, "guide.hhc"),
            "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<BODY>\r\n"
            "<applet code=\"HHCtrl.class\" align=\"baseline\" width=\"100%\" height=\"90%\" "
            "name=\"HHCtrl\" archive=\"HHCtrl.zip\">\r\n"
            "<param name=\"background\" value=\"ffffff\">\r\n"
            "<param name=\"cabbase\" value=\"HHCtrl.cab\">\r\n"
            "<param name=\"command\" value=\"contents\">\r\n"
            "<param name=\"flags\" value=\"0x200,0x7\">\r\n"
            "<PARAM name=\"item1\" value=\"guide.hhc\">\r\n</applet>\r\n</BODY>\r\n</HTML>\r\n");
  HelpControl object{false, "http://example.com/hhctrl.ocx"};
  std::string head =
      "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<BODY>\r\n"
      "<OBJECT id=hhctrl type=\"application/x-oleobject\"\r\n"
      "classid=\"clsid:adb880a6-d8ff-11cf-9377-00aa003b7a11\"\r\n"
      "codebase=\"http://example.com/hhctrl.ocx\"\r\nwidth=100% height=90%\r\n>\r\n";
  EXPECT_EQ(
      htmlhelp_index_page(object, "guide.hhk"),
      head +
          "<PARAM name=\"Command\" value=\"Index\">\r\n"
          "<PARAM name=\"Item1\" value=\"guide.hhk\">\r\n</OBJECT>\r\n</BODY>\r\n</HTML>\r\n");
  EXPECT_EQ(htmlhelp_contents_page(object, "guide.hhc"),
            head +
                "<PARAM name=\"Command\" value=\"Contents\">\r\n"
                "<PARAM name=\"Item1\" value=\"guide.hhc\">\r\n"
                "<PARAM name=\"Flags\" value=\"0x200,0x800001,0xffffff\">\r\n</OBJECT>\r\n"
                "</BODY>\r\n</HTML>\r\n");
}

TEST(FramesetPage, ColumnsOrRows) {
  FramesetOptions o{"My Help", false, 25, "twztoc.htm", "guidep2.htm"};
  std::string expected =
      "<HTML>\r\n<HEAD>\r\n<TITLE>My Help</TITLE>\r\n</HEAD>\r\n<FRAMESET COLS=\"25%,*\">\r\n"
      "<FRAME SRC=\"twztoc.htm\" NAME=\"TOC_FRAME\">\r\n<FRAME SRC=\"guidep2.htm\" "
      "NAME=\"MAIN_FRAME\">\r\n"
      "<NOFRAMES>\r\n<BODY>\r\n<H3>Please <A HREF=\"twztoc.htm\">click here</A> to "
      "continue.</H3>\r\n"
      "</BODY>\r\n</NOFRAMES>\r\n</FRAMESET>\r\n</HTML>\r\n";
  EXPECT_EQ(frameset_page(o), expected);
  o.rows = true;
  EXPECT_NE(frameset_page(o).find("<FRAMESET ROWS=\"25%,*\">"), std::string::npos);
}

}  // namespace
}  // namespace html
