// The page writer: each per-line step on pages as the splitter leaves them.
#include "html/pages/page_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "html/pages/heading_step.h"
#include "html/pages/hotspot_step.h"
#include "html/pages/keyword_step.h"
#include "html/publish_fixture.h"
#include "html/pages/table_step.h"

namespace html {
namespace {

class PageWriterTest : public PublishFixture {
 protected:
  std::string written(std::string_view name) {
    prepare_page_writing(run);
    EXPECT_EQ(write_topic_page(run, "c:\\out\\" + std::string(name)), 1);
    EXPECT_FALSE(
        tw_test::exists(file("out/" + std::string(name.substr(0, name.size() - 4)) + ".htb")));
    return out(name);
  }
};

TEST_F(PageWriterTest, WholePage) {
  page("guidep2.htm", "Printing & > more",
       "<H1><FONT FACE=\"Arial\" SIZE=4><B><A NAME=\"IDH_PRINT\">!tzkyprinting;print;print:setup;!~"
       "Printing &amp; Paper</B></FONT></H1>\r\n"
       "<P>See !!x Print a file^#IDH_TONER>main#!#, !!x more^#IDH_DEEP#!# or "
       "!!x nowhere^#IDH_GONE#!#.{button Go,JI(`a')}{ewl x.dll}</P>\r\n");
  run.context_map.add("guidep2.htm#IDH_PRINT#%");
  run.context_map.add("guidep3.htm#IDH_TONER#%");
  run.context_map.add("guidep3.htm#IDH_DEEP#");
  EXPECT_EQ(written("guidep2.htm"),
            "<HTML>\r\n<HEAD>\r\n<TITLE>Printing & > more</TITLE>\r\n\r\n"
            "<META NAME=\"GENERATOR\" CONTENT=\"Quorvane Leafcaster\">\r\n</HEAD>\r\n"
            "<BODY>\r\n\r\n<A NAME=\"topofpage\"></A>\r\n"
            "\r\n<H1><A NAME=\"T1\"><FONT FACE=\"Arial\" SIZE=4><B><A NAME=\"IDH_PRINT\">"
            "<a name=\"IX_1\"></a><a name=\"IX_2\"></a><a name=\"IX_3\"></a>Printing &amp; Paper</B></FONT></A></H1>\r\n"
            "<P>See <A HREF=\"guidep3.htm\">Print a file</A>, "
            "<A HREF=\"guidep3.htm#IDH_DEEP\">more</A> or nowhere.</P>\r\n"
            "\r\n<!--LFCBODYEND-->\r\n\r\n</BODY>\r\n</HTML>\r\n");
  ASSERT_EQ(run.publish.index.entries().size(), 3u);
  EXPECT_EQ(run.publish.index.entries()[0].keyword, "printing");
  EXPECT_EQ(run.publish.index.entries()[1].keyword, "print");
  EXPECT_EQ(run.publish.index.entries()[2].keyword, "print:setup");
  EXPECT_EQ(run.publish.index.entries()[2].target, "guidep2.htm#IX_3");
  EXPECT_EQ(run.publish.counts.links, 2);
  EXPECT_EQ(run.publish.counts.unresolved_jumps, 1);
  EXPECT_EQ(run.publish.counts.pages, 1);
}

class NoMore : public ReadOn {
 public:
  bool append_line(std::string&) override { return false; }
};

class Lines : public ReadOn {
 public:
  explicit Lines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  bool append_line(std::string& buffer) override {
    if (next_ >= lines_.size()) return false;
    buffer += lines_[next_++];
    return true;
  }

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
};

TEST(KeywordStep, AFirstLevelIsAnEntryBesideItsSecondLevels) {
  EXPECT_EQ(keywords_to_index("print;print:setup;"),
            (std::vector<std::string>{"print", "print:setup"}));
  EXPECT_EQ(keywords_to_index("Animation Component; Animation Component: Selector"),
            (std::vector<std::string>{"Animation Component", "Animation Component: Selector"}));
  EXPECT_EQ(keywords_to_index(" a; b:c ;;a:x\rb"),
            (std::vector<std::string>{"a", "b:c ", "a:x b"}));
  // A character reference's ";" separates nothing.
  EXPECT_EQ(keywords_to_index("&#945;lpha;&#946;;x&#;y"),
            (std::vector<std::string>{"&#945;lpha", "&#946;", "x&#", "y"}));
  IndexEntries index;
  int anchor = 7;
  NoMore none;
  std::string line = "x!tzkyone;two!~y !tzkythree\r\n";
  EXPECT_EQ(convert_keywords(line, "p.htm", index, anchor, none), 3);
  EXPECT_EQ(line, "x<a name=\"IX_7\"></a><a name=\"IX_8\"></a>y <a name=\"IX_9\"></a>\r\n");
  EXPECT_EQ(anchor, 10);
  EXPECT_EQ(index.entries()[2].target, "p.htm#IX_9");
  // A list broken over two lines by the export loses nothing.
  Lines more({"setup;paper!~Text\r\n"});
  line = "<P>!tzkyprinter\r\n";
  EXPECT_EQ(convert_keywords(line, "p.htm", index, anchor, more), 2);
  EXPECT_EQ(line, "<P><a name=\"IX_10\"></a><a name=\"IX_11\"></a>Text\r\n");
  EXPECT_EQ(index.entries()[3].keyword, "printer setup");
}

TEST(TableStep, ProjectAttributesCellsAndFonts) {
  wizard::PageSettings s;
  s.tabv = {1, 0, 90, 0, 2, 4, 1, 1, 0x0000FF, 0xFFFFFF};
  s.ftabfont = 2;
  s.tabfface = "Verdana";
  s.tabfsize = "2";
  TableStep step(s);
  Lines more({"WIDTH=600 BORDERCOLOR=red>\r\n"});
  std::string line = "<TABLE BORDER CELLSPACING=1 CELLPADDING=7 SUMMARY=\"a b\"\r\n";
  step.apply(line, more);
  EXPECT_EQ(line,
            "<TABLE SUMMARY=\"a b\" BORDER=0 CELLSPACING=2 CELLPADDING=4 WIDTH=\"90%\" "
            "BORDERCOLOR=\"#FF0000\">\r\n");
  NoMore none;
  line = "<TD WIDTH=\"33%\" BGCOLOR=\"#00FF00\"><FONT SIZE=2>Key</FONT></TD>\r\n";
  step.apply(line, none);
  EXPECT_EQ(line,
            "<TD WIDTH=\"33%\" BGCOLOR=\"#FFFFFF\"><FONT SIZE=\"2\" FACE=\"Verdana\">"
            "Key&nbsp;</FONT></TD>\r\n");
  line = "</TABLE><P><FONT SIZE=2>After</FONT></P>\r\n";
  step.apply(line, none);
  EXPECT_EQ(line, "</TABLE><P><FONT SIZE=2>After</FONT></P>\r\n");
}

TEST(TableStep, TablesMarkedNoFormatKeepTheirOwnForm) {
  wizard::PageSettings s;
  s.ftabfont = 1;
  TableStep step(s);
  NoMore none;
  std::string box =
      "<TABLE WIDTH=\"100%\" BGCOLOR=#FFFF00 BORDER=0 CELLPADDING=5><TR><TD><!nf>\r\n";
  std::string line = box;
  step.apply(line, none);
  EXPECT_EQ(line, box);
  line = "<FONT SIZE=2>Inside the box</FONT>\r\n";
  step.apply(line, none);
  EXPECT_EQ(line, "<FONT SIZE=2>Inside the box</FONT>\r\n");
  line = "</TD></TR></TABLE>\r\n";
  step.apply(line, none);
  line = "<TD><FONT SIZE=2>x</FONT></TD>\r\n";  // no table open any more
  step.apply(line, none);
  EXPECT_EQ(line, "<TD><FONT SIZE=2>x</FONT></TD>\r\n");
}

TEST(HeadingStep, RecordFormatRulesTopLinksAndExportAnchors) {
  wizard::PageSettings s;
  s.headings[2] = {1, 1, 1, -1, 1, 0, 1, 0x0000FF, 1, 1, 1, 2, "Arial"};
  HeadingStep step(s, false);
  Lines more({"<BR><B>Part</B>\xA0two</h2> tail\r\n"});
  std::string line =
      "<P>Lead</P><h2 ALIGN=LEFT><FONT SIZE=4><A NAME=\"_Toc123\">Start</A><A NAME=\"B_Ref9\"></A> "
      "\r\n";
  step.apply(line, more);
  EXPECT_EQ(line,
            "<P>Lead</P><P><HR SIZE=2 ALIGN=CENTER WIDTH=\"100%\"></P>\r\n"
            "<H2 ALIGN=CENTER><B><TT><FONT SIZE=-1><FONT COLOR=\"#FF0000\"><FONT FACE=\"Arial\">"
            "<A NAME=\"T1\">Start \r\nPart two</A></FONT></FONT></FONT></TT></B></h2> tail"
            "<A HREF=\"#topofpage\"><IMG SRC=\"top.gif\" BORDER=0 ALIGN=RIGHT></A>"
            "<P><HR SIZE=2 ALIGN=CENTER WIDTH=\"100%\"></P>\r\n");
}

TEST(HeadingStep, LineBreaksAndTheRestOfTheLine) {
  wizard::PageSettings s;
  s.headings[1] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 2, ""};
  HeadingStep step(s, false);
  NoMore none;
  // A break between words leaves a blank; text after the heading stays
  // with its closing tag, before the top link and the rule.
  std::string line = "<H1>Big<BR>Heading<br> </H1><P>Body</P>\r\n<P>Next</P>\r\n";
  step.apply(line, none);
  EXPECT_EQ(line,
            "\r\n<H1><A NAME=\"T1\">Big Heading </A></H1><P>Body</P>"
            "<A HREF=\"#topofpage\"><IMG SRC=\"top.gif\" BORDER=0 ALIGN=RIGHT></A>"
            "<P><HR SIZE=2  WIDTH=\"100%\"></P>\r\n<P>Next</P>\r\n");
}

TEST(HeadingStep, LayoutTableAndLocalContentsMarker) {
  wizard::PageSettings s;
  s.wdmgn1 = {1, 150, {1, 2, 0, 0, 0, 0}};
  HeadingStep step(s, false);
  NoMore none;
  std::string line = "<H1>One</H1><H2>Two</H2><H3>Three</H3>\r\n";
  step.apply(line, none);
  EXPECT_EQ(
      line,
      "<TABLE BORDER=0 CELLPADDING=5 WIDTH=\"100%\" >\r\n<TR>\r\n<TD VALIGN=TOP WIDTH=\"150\">\r\n"
      "\r\n<H1><A NAME=\"T1\">One</A></H1>\r\n</TD>\r\n<TD>"
      "</TD>\r\n</TR>\r\n<TR>\r\n<TD VALIGN=TOP COLSPAN=\"2\" WIDTH=\"100%\">\r\n"
      "\r\n<H2><A NAME=\"T2\">Two</A></H2>\r\n</TD></TR>\r\n<TR>\r\n<TD VALIGN=TOP "
      "WIDTH=\"150\">\r\n</TD>\r\n<TD>"
      "\r\n<H3><A NAME=\"T3\">Three</A></H3>\r\n");
  EXPECT_TRUE(step.layout_open());
  EXPECT_EQ(
      step.headings().text(1, 3),
      "<UL>\r\n<LI><A HREF=\"#T1\">One</A></LI>\r\n<UL>\r\n<LI><A HREF=\"#T2\">Two</A></LI>\r\n"
      "<UL>\r\n<LI><A HREF=\"#T3\">Three</A></LI>\r\n</UL>\r\n</UL>\r\n</UL>\r\n");

  wizard::PageSettings longdoc;
  longdoc.ltmin = 2;
  HeadingStep marker(longdoc, true);
  line = "<H1>Title</H1>\r\n<H1>Again</H1>\r\n";
  marker.apply(line, none);
  EXPECT_EQ(line,
            "\r\n<H1><A NAME=\"T1\">Title</A></H1>\r\n<SSFT AUTOTOC>\r\n\r\n\r\n<H1><A "
            "NAME=\"T2\">Again</A></H1>\r\n");
  EXPECT_TRUE(marker.marker_placed());
}

TEST(HeadingStep, LongTextBeforeAHeadingIsKept) {
  wizard::PageSettings s;
  HeadingStep step(s, false);
  NoMore none;
  std::string before(150, 'x');
  std::string line = before + "<H3>Sub</H3>\r\n";
  step.apply(line, none);
  EXPECT_EQ(line, before + "\r\n<H3><A NAME=\"T1\">Sub</A></H3>\r\n");
}

TEST(HeadingStep, HeadingWithoutEndIsLeftAlone) {
  wizard::PageSettings s;
  HeadingStep step(s, false);
  Lines more({"text\r\n"});
  std::string line = "<h1>Started by the splitter\r\n";
  step.apply(line, more);
  EXPECT_EQ(line, "<h1>Started by the splitter\r\ntext\r\n");
}

TEST(HotspotStep, LinkMacroKeywords) {
  std::string keywords;
  bool klink = false;
  EXPECT_TRUE(link_macro_keywords("!KL(`printer setup')", keywords, klink));
  EXPECT_EQ(keywords, "printer setup");
  EXPECT_TRUE(klink);
  EXPECT_TRUE(link_macro_keywords("!ALink(&quot;paper;toner&quot;, 1)", keywords, klink));
  EXPECT_EQ(keywords, "paper;toner");
  EXPECT_FALSE(klink);
  EXPECT_FALSE(link_macro_keywords("!JumpId(`a.hlp', `x')", keywords, klink));
}

TEST_F(PageWriterTest, KLinkListsTheOtherTopicsWithTheKeyword) {
  tw_test::write_file(file("help/guide.kdb"),
                      "IDH_PRINT\tPrinting\tprinter setup;paper;\r\n"
                      "IDH_SETUP\tSetting up & going\tprinter setup;\r\n"
                      "IDH_GONE\tNot converted\tprinter setup;\r\n"
                      "IDH_OTHER\tOther\tfonts;\r\n");
  page("guidep2.htm", "Printing",
       "<A NAME=\"IDH_PRINT\">See !!x <B>printer</B> setup^#!KL(`printer setup')#!# topics.\r\n");
  page("guidep3.htm", "Setup", "<A NAME=\"IDH_SETUP\">Setup\r\n");
  run.context_map.add("guidep2.htm#IDH_PRINT#%");
  run.context_map.add("guidep3.htm#IDH_SETUP#%");
  EXPECT_NE(written("guidep2.htm")
                .find("<A NAME=\"IDH_PRINT\">See <b><B>printer</B> setup</b><p>\r\n"
                      "<A HREF=\"guidep3.htm\">Setting up &amp; going</A><BR>\r\n topics.\r\n"),
            std::string::npos);
}

TEST_F(PageWriterTest, FramesHtmlHelpJumpsAndTheTocPage) {
  page("guidep2.htm", "Contents",
       "!!x Printing^#IDH_PRINT#!# !!x Far^#IDH_FAR@other.hlp>win#!#\r\n");
  page("guidep3.htm", "Printing", "<A NAME=\"IDH_PRINT\">Text\r\n");
  run.context_map.add("guidep3.htm#IDH_PRINT#%");
  run.home_page = "guidep2.htm";
  s().frm.in_frame = 1;
  s().frm.toc_size = 25;
  s().frmt = "Guide";
  run.settings.project.htmlhelp.use_htmlhelp = 1;
  std::string toc = written("guidep2.htm");
  EXPECT_NE(toc.find("<A HREF=\"guidep3.htm\" TARGET=\"MAIN_FRAME\">Printing</A> "
                     "<A HREF=\"ms-its:other.chm::/IDH_FAR.htm\">Far</A>"),
            std::string::npos);
  // The frameset shows the TOC page beside the page after it.
  EXPECT_NE(out("twzfrm.htm")
                .find("<FRAMESET COLS=\"25%,*\">\r\n<FRAME SRC=\"guidep2.htm\" "
                      "NAME=\"TOC_FRAME\">\r\n<FRAME SRC=\"guidep3.htm\" NAME=\"MAIN_FRAME\">"),
            std::string::npos);
  EXPECT_NE(out("twztoc.htm").find("<PARAM name=\"item1\" value=\"guide.hhc\">"),
            std::string::npos);
}

TEST_F(PageWriterTest, LocalTocFromTheHeadings) {
  page("guidep2.htm", "Short", "<H1>Top</H1>\r\n");
  s().hlo = "T";
  page("guidep3.htm", "Long",
       "<H1><A NAME=\"IDH_X\">!tzkytop;first!~Top\r\nof  page</H1>\r\n"
       "<H2>Part !!x two^#IDH_TWO#!#</H2>\r\n");
  prepare_page_writing(run);
  ASSERT_EQ(write_topic_page(run, std::size_t{0}), 1);
  ASSERT_EQ(write_topic_page(run, std::size_t{1}), 1);
  // Pages of a single heading get no table.
  EXPECT_NE(out("guidep2.htm").find("<BODY>\r\n\r\n"), std::string::npos);
  EXPECT_NE(out("guidep3.htm")
                .find("<BODY>\r\n<UL>\r\n<LI><A HREF=\"#T1\">Top of page</A></LI>\r\n<UL>\r\n"
                      "<LI><A HREF=\"#T2\">Part two</A></LI>\r\n</UL>\r\n</UL>\r\n\r\n"),
            std::string::npos);
  EXPECT_FALSE(tw_test::exists(file("out/guidep3.toc")));
}

TEST_F(PageWriterTest, MissingPageIsReportedAndNothingIsLost) {
  page("guidep2.htm", "A", "Text\r\n");
  prepare_page_writing(run);
  EXPECT_EQ(write_topic_page(run, "c:\\out\\nothere.htm"), 0);
  tw_test::write_file(file("out/guidep2.htm"), "");
  std::filesystem::remove(file("out/guidep2.htm"));
  EXPECT_EQ(write_topic_page(run, std::size_t{0}), 0);
  EXPECT_FALSE(tw_test::exists(file("out/guidep2.htb")));
}

}  // namespace
}  // namespace html
