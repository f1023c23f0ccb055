// Page framing: BODY attributes, head code, header and footer files, the
// layout strings with their rules, button bars, signature, local table of
// contents and the related-topics block.
#include <gtest/gtest.h>

#include "html/framing/button_bar.h"
#include "html/framing/contents_sidebar.h"
#include "html/driver/conversion_run.h"
#include "html/framing/frame_parts.h"
#include "html/framing/page_framer.h"
#include "html/pages/related_block.h"
#include "html/pages/signature.h"
#include "html/splitter/page_names.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace html {
namespace {

using wizard::NavButton;
using wizard::PageKind;

class FrameTest : public tw_test::Fixture {
 protected:
  void SetUp() override {
    tw_test::Fixture::SetUp();
    run.settings.location.project_file = "c:\\out\\guide.lfc";
    run.settings.derived.output_directory = "c:\\out";
    run.settings.derived.index_page_name = "lfcindx.htm";
    run.settings.derived.toc_page_name = "twztoc.htm";
    s().hlo.clear();
    for (const char* name : {"guidep2.htm", "guidep3.htm", "guidep4.htm"})
      run.page_list.add(std::string("c:\\out\\") + name, std::string("Title of ") + name);
    run.publish.names.rebuild(run.page_list);
    run.home_page = "guidep2.htm";
  }
  wizard::PageSettings& s() { return run.settings.project.settings; }
  void page(std::string_view name, std::string_view body) {
    tw_test::write_file(file("out/" + std::string(name)),
                        "<HTML>\r\n<HEAD>\r\n<TITLE>T</TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n" +
                            std::string(body) + "</BODY>\r\n</HTML>\r\n");
  }
  std::string framed(std::string_view name, PageKind kind) {
    EXPECT_EQ(frame_page(run, "c:\\out\\" + std::string(name), kind), 1);
    EXPECT_FALSE(tw_test::exists(file("out/guidep2.htb")));
    return tw_test::read_file(file("out/" + std::string(name)));
  }
  std::string bar(PageKind kind, std::string_view page) {
    std::string out;
    write_button_bar(run, out, kind, BarPosition::top, page);
    return out;
  }
  ConversionRun run;
};

TEST_F(FrameTest, WholePageWithHeadCodeHeaderFooterColoursAndRules) {
  tw_test::write_file(file("out/guide.lfh"), "<META NAME=\"x\" CONTENT=\"y\">\r\n");
  tw_test::write_file(file("out/head.htm"), "<HTML><BODY BGCOLOR=red>Top text</BODY></HTML>");
  tw_test::write_file(file("out/foot.htm"), "Foot <B>text</B>");
  s().headcode = 1;
  s().hv = {1, {0, 0, 1}};
  s().hd = "c:\\out\\head.htm";
  s().fv = {1, {0, 0, 1}};
  s().ft = "c:\\out\\foot.htm";
  s().hlo = "H-";
  s().flo = "-F";
  s().ctclr = {0, 0, 1};
  s().bg = {2, "c:\\pics\\paper.gif"};
  s().bc[2] = 0x0000FF;  // red in the low byte
  s().stylecode = 1;
  s().bodystyle = "MARGINWIDTH=0";
  s().base.face = "Arial";
  page("guidep2.htm", "<P>Body</P>\r\n");
  EXPECT_EQ(framed("guidep2.htm", PageKind::body),
            "<HTML>\r\n<HEAD>\r\n<TITLE>T</TITLE>\r\n<META NAME=\"x\" CONTENT=\"y\">\r\n</HEAD>\r\n"
            "\r\n<BODY TEXT=\"#000000\" LINK=\"#0000FF\" ALINK=\"#0000FF\" VLINK=\"#551A8B\""
            " BGCOLOR=\"#FF0000\" BACKGROUND=\"paper.gif\" MARGINWIDTH=0>\r\n"
            "<BASEFONT FACE=\"Arial\">\r\n"
            "Top text\r\n<P><HR ALIGN=center SIZE=2 WIDTH=\"100%\">\r\n"
            "\r\n<P>Body</P>\r\n"
            "\r\n<!--LFCBODYEND-->\r\n"
            "\r\n<P><HR ALIGN=center SIZE=2 WIDTH=\"100%\">\r\nFoot <B>text</B>"
            "\r\n</FONT>\r\n</BODY>\r\n</HTML>\r\n");
}

TEST_F(FrameTest, AllSameGivesTheTocPageTopicColoursButItsOwnHeader) {
  tw_test::write_file(file("out/head.htm"), "<BODY>Header</BODY>");
  s().allsame = 1;
  s().ctclr = {0, 0, 1};
  s().hv = {1, {1, 0, 1}};
  s().hd = "c:\\out\\head.htm";
  s().hlo = "H";
  tw_test::write_file(file("out/twztoc.htm"), "<HTML><BODY>\r\nContents</BODY></HTML>\r\n");
  std::string toc = tw_test::read_file(file("out/twztoc.htm"));
  EXPECT_EQ(
      framed("twztoc.htm", PageKind::toc),
      "<HTML>\r\n<BODY TEXT=\"#000000\" LINK=\"#0000FF\" ALINK=\"#0000FF\" VLINK=\"#551A8B\">\r\n"
      "HeaderContents\r\n<!--LFCBODYEND-->\r\n\r\n</BODY>\r\n</HTML>\r\n");
  s().allsame = 0;  // the TOC page's own (browser default) colours, and no header on the index page
  tw_test::write_file(file("out/lfcindx.htm"), "<HTML><BODY>\r\nIndex</BODY></HTML>\r\n");
  EXPECT_EQ(framed("lfcindx.htm", PageKind::index),
            "<HTML><BODY>\r\nIndex\r\n<!--LFCBODYEND-->\r\n\r\n</BODY>\r\n</HTML>\r\n");
}

TEST_F(FrameTest, RuleAfterAnEmptySignatureIsDroppedWithIt) {
  s().hlo = "S-B";
  s().navbuts.top.on = 1;
  run.settings.project.buttons = {NavButton{"Home", "home.gif", "", 1, {1, 1, 1}}};
  page("guidep3.htm", "Text\r\n");
  EXPECT_EQ(
      framed("guidep3.htm", PageKind::body),
      "<HTML>\r\n<HEAD>\r\n<TITLE>T</TITLE>\r\n</HEAD>\r\n<BODY>\r\n"
      "<P>\r\n<a href=\"guidep2.htm\"><IMG SRC=\"home.gif\" BORDER=0 ALT=\"Home\"></a>\r\n</P>\r\n"
      "\r\nText\r\n\r\n<!--LFCBODYEND-->\r\n\r\n</BODY>\r\n</HTML>\r\n");
  s().sig = "Written by me";
  s().sigv.html = 1;
  page("guidep3.htm", "Text\r\n");
  EXPECT_NE(framed("guidep3.htm", PageKind::body)
                .find("<BODY>\r\nWritten by me<BR>\r\n\r\n<P><HR ALIGN=center SIZE=2 "
                      "WIDTH=\"100%\">\r\n<P>\r\n"),
            std::string::npos);
}

TEST_F(FrameTest, LayoutTableIsClosedAfterTheBodyEndMark) {
  s().flo = "B";
  s().navbuts.bottom.on = 1;
  run.settings.project.buttons = {
      NavButton{"Next", "next.gif", "<Set Automatically>", 4, {1, 1, 1}}};
  run.settings.project.twhtml.use_brws_order = 0;
  page("guidep2.htm", "<TABLE><TR><TD>Margin</TD><TD>Text\r\n</TD></TR></TABLE>");
  EXPECT_EQ(
      framed("guidep2.htm", PageKind::body),
      "<HTML>\r\n<HEAD>\r\n<TITLE>T</TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n"
      "<TABLE><TR><TD>Margin</TD><TD>Text\r\n"
      "\r\n<!--LFCBODYEND-->\r\n</TD></TR></TABLE>\r\n"
      "<P>\r\n<a href=\"guidep3.htm\"><IMG SRC=\"next.gif\" BORDER=0 ALT=\"Next\"></a>\r\n</P>\r\n"
      "\r\n</BODY>\r\n</HTML>\r\n");
}

TEST_F(FrameTest, LocalTocAtTheTopOrAtTheWritersMarker) {
  s().hlo = "T-";
  tw_test::write_file(file("out/guidep2.toc"),
                      "<UL>\r\n<LI><A HREF=\"#T1\">One</A></LI>\r\n</UL>\r\n<! DONE>\r\nafter\r\n");
  page("guidep2.htm", "Text\r\n");
  std::string framedpage = framed("guidep2.htm", PageKind::body);
  EXPECT_NE(
      framedpage.find("<BODY>\r\n<UL>\r\n<LI><A HREF=\"#T1\">One</A></LI>\r\n</UL>\r\n\r\n<P><HR"),
      std::string::npos);
  EXPECT_EQ(framedpage.find("after"), std::string::npos);
  EXPECT_FALSE(tw_test::exists(file("out/guidep2.toc")));

  run.publish.local_toc_at_heading = true;
  tw_test::write_file(file("out/guidep2.toc"), "<A HREF=\"#T2\">Two</A>\r\n<! DONE>\r\n");
  page("guidep2.htm", "<H1>A</H1>\r\n\r\n<SSFT AUTOTOC>\r\n\r\nText\r\n");
  framedpage = framed("guidep2.htm", PageKind::body);
  EXPECT_NE(
      framedpage.find("<BODY>\r\n\r\n<H1>A</H1>\r\n\r\n<A HREF=\"#T2\">Two</A>\r\n\r\n\r\nText"),
      std::string::npos);

  run.publish.local_toc_at_heading = false;
  tw_test::write_file(file("out/guidep2.toc"), "No links here\r\n<! DONE>\r\n");
  page("guidep2.htm", "Text\r\n");
  EXPECT_NE(framed("guidep2.htm", PageKind::body).find("<BODY>\r\n\r\nText"), std::string::npos);
}

TEST_F(FrameTest, ButtonBarsByTypeAndPageKind) {
  run.settings.project.buttons = {
      NavButton{"Home", "home.gif", "", 1, {1, 1, 1}},
      NavButton{"Index", "indx.gif", "", 2, {1, 0, 1}},
      NavButton{"Previous", "prev.gif", "<Set Automatically>", 5, {0, 0, 1}},
      NavButton{"Next", "next.gif", "<Set Automatically>", 4, {0, 0, 1}},
      NavButton{"Our site", "web.gif", "http://example.com/", 0, {1, 1, 1}},
      NavButton{"Mail \"us\"", "email.gif", "mailto:a@b.c", 3, {0, 0, 1}},
  };
  run.settings.project.twhtml.use_brws_order = 0;
  s().navbuts.top = {1, 1, 0, 1, 2};
  run.has_keywords = true;
  EXPECT_EQ(
      bar(PageKind::body, "guidep3.htm"),
      "<P><CENTER>\r\n<HR ALIGN=center SIZE=2 WIDTH=\"100%\">\r\n"
      "<a href=\"guidep2.htm\"><IMG SRC=\"home.gif\" BORDER=0 ALT=\"Home\"></a>&nbsp;&nbsp;"
      "<a href=\"lfcindx.htm\"><IMG SRC=\"indx.gif\" BORDER=0 ALT=\"Index\"></a>&nbsp;&nbsp;"
      "<a href=\"guidep2.htm\"><IMG SRC=\"prev.gif\" BORDER=0 ALT=\"Previous\"></a>&nbsp;&nbsp;"
      "<a href=\"guidep4.htm\"><IMG SRC=\"next.gif\" BORDER=0 ALT=\"Next\"></a>&nbsp;&nbsp;"
      "<a href=\"http://example.com/\"><IMG SRC=\"web.gif\" BORDER=0 ALT=\"Our "
      "site\"></a>&nbsp;&nbsp;"
      "<a href=\"mailto:a@b.c\"><IMG SRC=\"email.gif\" BORDER=0 ALT=\"Mail "
      "&quot;us&quot;\"></a>\r\n"
      "</CENTER><P>\r\n");
  // The last page has no Next; the first no Previous.
  EXPECT_EQ(bar(PageKind::body, "guidep4.htm").find("next.gif"), std::string::npos);
  EXPECT_EQ(bar(PageKind::body, "guidep2.htm").find("prev.gif"), std::string::npos);
  // The index page shows Home only with frames or a contents-file TOC; and
  // no Index button without keywords.
  run.has_keywords = false;
  EXPECT_EQ(
      bar(PageKind::index, "lfcindx.htm"),
      "<P><CENTER>\r\n<HR ALIGN=center SIZE=2 WIDTH=\"100%\">\r\n"
      "<a href=\"http://example.com/\"><IMG SRC=\"web.gif\" BORDER=0 ALT=\"Our site\"></a>\r\n"
      "</CENTER><P>\r\n");
  // Text buttons with frames: targets and separators.
  s().frm.in_frame = 1;
  run.settings.derived.toc_frame_target = " TARGET=\"TOC_FRAME\"";
  s().navbuts.text_buttons = 1;
  s().navbuts.top = {1, 0, 0, 2, 1};
  EXPECT_EQ(
      bar(PageKind::toc, "twztoc.htm"),
      "<P><DIV ALIGN=RIGHT>\r\n<a href=\"guidep2.htm\" TARGET=\"TOC_FRAME\">Home</a>&nbsp;|&nbsp;"
      "<a href=\"http://example.com/\" TARGET=\"_parent\">Our site</a>\r\n</DIV><P>\r\n");
  // Nothing to show: no bar at all.
  run.settings.project.buttons.resize(1);
  run.settings.project.buttons[0].kinds = {0, 0, 0};
  std::string out;
  EXPECT_FALSE(write_button_bar(run, out, PageKind::body, BarPosition::top, "guidep2.htm"));
  EXPECT_EQ(out, "");
}

TEST_F(FrameTest, BrowseOrderButtons) {
  run.settings.project.buttons = {
      NavButton{"Previous", "prev.gif", "<Set Automatically>", 5, {1, 1, 1}},
      NavButton{"Next", "next.gif", "<Set Automatically>", 4, {1, 1, 1}},
  };
  s().navbuts.top.on = 1;
  run.browse_map.add("main:010=guidep2.htm");
  run.browse_map.add("main:020=guidep4.htm");
  run.browse_map.add("other:010=guidep3.htm");
  std::string middle = bar(PageKind::body, "guidep4.htm");
  EXPECT_EQ(middle.find("prev.gif"), std::string::npos);  // the home page is not a previous page
  EXPECT_EQ(middle.find("next.gif"), std::string::npos);
  run.publish.toc_from_cnt = true;
  EXPECT_NE(
      bar(PageKind::body, "guidep4.htm").find("<a href=\"guidep2.htm\"><IMG SRC=\"prev.gif\""),
      std::string::npos);
  EXPECT_NE(
      bar(PageKind::body, "guidep2.htm").find("<a href=\"guidep4.htm\"><IMG SRC=\"next.gif\""),
      std::string::npos);
}

TEST(Signature, LinesDateAndMailLinks) {
  wizard::PageSettings s;
  std::string out;
  EXPECT_EQ(write_signature(out, s, "December 6, 2026"), 0);
  EXPECT_EQ(out, "");
  s.sig = "Updated <<TODAY>>\r\nWrite to [the author]";
  s.se = "me@example.com";
  s.sigv.bold = 1;
  EXPECT_EQ(write_signature(out, s, "December 6, 2026"), 1);
  EXPECT_EQ(out,
            "<P><CENTER><I><B>Updated December 6, 2026<BR>\r\n"
            "Write to <A HREF=\"mailto:me@example.com\">the author</A><BR>\r\n"
            "</B></I></CENTER></P>\r\n");
  out.clear();
  s.sigv = {1, 2, 0, 0, 0, 0, {1, 1, 1}};
  write_signature(out, s, "x");
  EXPECT_EQ(out,
            "<P><DIV ALIGN=right>Updated x<BR>\r\nWrite to [the author]<BR>\r\n</DIV></P>\r\n");
  out.clear();
  s.sig = "<<TODAY>>";
  write_signature(out, s);
  EXPECT_NE(out.find(platform::long_date(platform::local_time())), std::string::npos);
}

TEST(FrameParts, BodyContentOfHeaderFiles) {
  EXPECT_EQ(body_content("<html><body bgcolor=\"a>b\">In<b>side</b></BODY>after"), "In<b>side</b>");
  EXPECT_EQ(body_content("no body tags"), "no body tags");
  EXPECT_EQ(body_content("<BODY"), "");
}

TEST_F(FrameTest, RelatedTopicsAfterTheBodyEndMark) {
  IndexEntries entries;
  entries.add("printing", "guidep2.htm#IX_1");
  entries.add("printing", "guidep3.htm#IX_2");
  entries.add("paper", "guidep2.htm#IX_3");
  entries.add("paper", "guidep4.htm#IX_4");
  entries.add("paper", "guidep3.htm#IX_5");
  KeywordPages keywords(entries);
  EXPECT_EQ(keywords.related_to("guidep2.htm", run.publish.names),
            (std::vector<RelatedPage>{{"Title of guidep3.htm", "guidep3.htm"},
                                      {"Title of guidep4.htm", "guidep4.htm"}}));
  run.settings.project.settings.doreltopics = 1;
  page("guidep2.htm", "Text\r\n");
  frame_page(run, "c:\\out\\guidep2.htm", PageKind::body);
  ASSERT_EQ(add_related_topics(run, 0, keywords), 1);
  EXPECT_NE(tw_test::read_file(file("out/guidep2.htm"))
                .find("<!--LFCBODYEND-->\r\n<H3>See Also:</H3>\r\n"
                      "<P><A HREF=\"guidep3.htm\">Title of guidep3.htm</A></P>\r\n"
                      "<P><A HREF=\"guidep4.htm\">Title of guidep4.htm</A></P>\r\n\r\n</BODY>"),
            std::string::npos);
  // In the layout table the block takes a row of its own.
  RelatedBlockOptions o;
  o.margin_width = 150;
  EXPECT_EQ(related_block({{"A", "a.htm"}}, o, true),
            "</TD></TR><TR>\r\n<TD VALIGN=TOP WIDTH=\"150\">\r\n<H3>See Also:</H3>\r\n</TD><TD>\r\n"
            "<P><A HREF=\"a.htm\">A</A></P>\r\n");
  o.activex = true;
  o.heading = "Related";
  std::string objects = related_block({{"A", "a.htm"}, {"B", "b.htm"}}, o, false);
  EXPECT_NE(objects.find("<PARAM name=\"Item1\" value=\"A;a.htm\">\r\n<PARAM name=\"Item2\" "
                         "value=\"B;b.htm\">\r\n</OBJECT>\r\n\r\n\r\n<OBJECT"),
            std::string::npos);
  EXPECT_NE(objects.find("<PARAM name=\"Text\" value=\"Text:Related\">"), std::string::npos);
  EXPECT_EQ(related_block({}, o, false), "");
}

}  // namespace
}  // namespace html

namespace html {
namespace {

TEST_F(FrameTest, ContentsSidebarAndNavigationBlocks) {
  s().hlo = "C[B]";
  s().flo = "[B]";
  s().navbuts.top.on = 1;
  s().navbuts.bottom.on = 1;
  s().navbuts.text_buttons = 1;
  run.settings.project.buttons = {NavButton{"Contents", "toc.gif", "twztoc.htm", 1, {1, 1, 1}}};
  run.page_list.add("c:\\out\\guidep5.htm", "Tom & Jerry <2>");
  run.publish.names.rebuild(run.page_list);
  page("guidep3.htm", "<P>Body</P>\r\n");
  std::string body = framed("guidep3.htm", PageKind::body);
  const std::string sidebar =
      "<NAV CLASS=\"tw-contents\">\r\n<UL>\r\n"
      "<LI><A HREF=\"guidep2.htm\">Title of guidep2.htm</A>\r\n"
      "<LI><A HREF=\"guidep3.htm\">Title of guidep3.htm</A>\r\n"
      "<LI><A HREF=\"guidep4.htm\">Title of guidep4.htm</A>\r\n"
      "<LI><A HREF=\"guidep5.htm\">Tom &amp; Jerry &lt;2&gt;</A>\r\n"
      "</UL>\r\n</NAV>\r\n";
  // A Contents button leads to the home page when there is no contents file.
  const std::string bar = "<NAV CLASS=\"tw-nav\">\r\n<P>\r\n<a href=\"guidep2.htm\">Contents</a>\r\n</P>\r\n</NAV>\r\n";
  EXPECT_NE(body.find("<BODY>\r\n" + sidebar + bar + "\r\n<P>Body</P>"), std::string::npos) << body;
  EXPECT_NE(body.find("<!--LFCBODYEND-->\r\n" + bar + "\r\n</BODY>"), std::string::npos) << body;

  // A block whose bar has nothing to show is left out whole.
  run.settings.project.buttons.clear();
  page("guidep4.htm", "<P>Body</P>\r\n");
  EXPECT_EQ(framed("guidep4.htm", PageKind::body).find("tw-nav"), std::string::npos);

  // The contents page holds the contents already.
  page("twztoc.htm", "<P>Contents</P>\r\n");
  EXPECT_EQ(framed("twztoc.htm", PageKind::toc).find("tw-contents"), std::string::npos);
}

// Past kWholeSidebarEntries each page carries only the way to itself, and
// one page written once holds the whole list.
TEST_F(FrameTest, LongContentsAreCutToThePageAndWrittenWholeOnce) {
  s().hlo = "C";
  s().tct = "All Topics";
  s().fnames.extension = ".htm";
  run.page_list.add("c:\\out\\twzcont.htm", "A topic page of the same name");
  const int extra = static_cast<int>(kWholeSidebarEntries);
  for (int i = 0; i < extra; ++i)
    run.page_list.add(text::format("c:\\out\\many%d.htm", i), text::format("Many %d", i));
  run.publish.names.rebuild(run.page_list);
  EXPECT_EQ(whole_contents_page_name(run), "twzcont1.htm");

  page("many250.htm", "<P>Body</P>\r\n");
  const std::string body = framed("many250.htm", PageKind::body);
  EXPECT_NE(body.find("<NAV CLASS=\"tw-contents\">\r\n<P CLASS=\"tw-all-contents\">"
                      "<A HREF=\"twzcont1.htm\">All Topics</A></P>\r\n<UL>\r\n"),
            std::string::npos)
      << body;
  EXPECT_NE(body.find("<A HREF=\"many250.htm\">"), std::string::npos);
  EXPECT_EQ(body.find("<A HREF=\"many200.htm\">"), std::string::npos);
  EXPECT_LT(body.size(), 3000u);

  ASSERT_TRUE(write_whole_contents_page(run));
  const std::string whole = tw_test::read_file(file("out/twzcont1.htm"));
  EXPECT_TRUE(whole.starts_with("<HTML>\r\n<HEAD>\r\n<TITLE>All Topics</TITLE>")) << whole.substr(0, 200);
  for (std::size_t i = 0; i < run.page_list.size(); ++i)
    EXPECT_NE(whole.find("<A HREF=\"" + page_name(run.page_list.at(i).path) + "\">"), std::string::npos) << i;
  // The whole list is not repeated beside itself.
  EXPECT_EQ(whole.find("tw-all-contents"), std::string::npos);
}

TEST(ContentsSidebar, BodyOfAPage) {
  EXPECT_EQ(body_of("<HTML><BODY BGCOLOR=x>\r\n<UL><LI>a</UL>\r\n</BODY></HTML>"), "\r\n<UL><LI>a</UL>\r\n");
  EXPECT_EQ(body_of("no body"), "no body");
  EXPECT_EQ(body_of("<body>open"), "open");
}

}  // namespace
}  // namespace html
