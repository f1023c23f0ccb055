#include "host/export/html_export.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace {

using host::html_export::export_rtf_to_html;

std::string fixture(const std::string& name) { return tw_test::read_file(std::string(TW_TEST_DATA) + "/rtf/" + name); }

// The lines between <BODY> and </BODY>, with LF line ends for readability.
std::string body(std::string_view rtf) {
  std::string html = export_rtf_to_html(rtf, "T");
  std::size_t begin = html.find("<BODY>\r\n") + 8;
  std::size_t end = html.find("</BODY>\r\n");
  std::string out;
  for (char c : html.substr(begin, end - begin)) {
    if (c != '\r') out += c;
  }
  return out;
}

// Each fixture's whole export, byte for byte (the expected pages were checked
// by hand; their titles fall back to the fixture's name).
TEST(HtmlExport, FixturesExportAsExpected) {
  for (const char* name : {"headings", "lists", "table", "hidden_fields", "markers", "word_document"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(export_rtf_to_html(fixture(std::string(name) + ".rtf"), name), fixture(std::string(name) + ".htm"));
  }
}

TEST(HtmlExport, PageShape) {
  std::string html = export_rtf_to_html("{\\rtf1 Hi\\par}", "A <b> & \"c\"");
  EXPECT_EQ(html,
            "<HTML>\r\n<HEAD>\r\n"
            "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\r\n"
            "<META NAME=\"Generator\" CONTENT=\"Tarvenwick HTML Export 1.0\">\r\n"
            "<TITLE>A &lt;b&gt; &amp; &quot;c&quot;</TITLE>\r\n</HEAD>\r\n<BODY>\r\n"
            "<P>Hi</P>\r\n</BODY>\r\n</HTML>\r\n");
  // The document's own title wins over the fallback.
  EXPECT_NE(export_rtf_to_html("{\\rtf1{\\info{\\title Own}}x}", "Other").find("<TITLE>Own</TITLE>"),
            std::string::npos);
}

// Keyword and browse lists are data: an entity would bring in the ";" that
// separates keywords, so their bytes go through unescaped. Other marker text
// is ordinary text and is escaped.
TEST(HtmlExport, KeywordAndBrowseListsAreNotEscaped) {
  EXPECT_EQ(body("{\\rtf1 !tzkyR&D;a<b;\"q\";\\u12354?!~!tzbrsgrp&x:1!~ R&D!!bX!\\par}"),
            "<P>!tzkyR&D;a<b;\"q\";&#12354;!~!tzbrsgrp&x:1!~ R&amp;D!!bX!</P>\n");
  // An unfinished list does not run into the next paragraph.
  EXPECT_EQ(body("{\\rtf1 !tzky a<b\\par c<d\\par}"), "<P>!tzky a<b</P>\n<P>c&lt;d</P>\n");
  // Nor past the distance the page splitter reads ahead.
  std::string text(6000, 'k');
  std::string out = body("{\\rtf1 !tzky" + text + " <x>\\par}");
  EXPECT_NE(out.find("&lt;x&gt;"), std::string::npos);
  EXPECT_EQ(out.find("<x>"), std::string::npos);
}

TEST(HtmlExport, PageMarkerStartsItsOwnLine) {
  EXPECT_EQ(body("{\\rtf1 End of topic.~~~pg~Next!~ {\\super !!bNEXT!}Heading\\par}"),
            "<P>End of topic.</P>\n<P>~~~pg~Next!~ !!bNEXT!Heading</P>\n");
  // At the start of a paragraph (blanks and hidden text aside) nothing is split.
  EXPECT_EQ(body("{\\rtf1 {\\v hidden} ~~~pg!!bA!x\\par}"), "<P> ~~~pg!!bA!x</P>\n");
  // Two topics in a row.
  EXPECT_EQ(body("{\\rtf1 ~~~pg!!bA!~~~pg!!bB!\\par}"), "<P>~~~pg!!bA!</P>\n<P>~~~pg!!bB!</P>\n");
}

// Lists close before headings and tables, lists inside a cell close with the
// cell, skipped levels still nest, and a table without its row end is closed.
TEST(HtmlExport, BlocksNestAndCloseInOrder) {
  EXPECT_EQ(body("{\\rtf1{\\stylesheet{\\s1 heading 1;}}{\\pard{\\*\\pn\\pnlvlblt}a\\par}"
                 "\\trowd\\cellx1000\\pard\\intbl{\\*\\pn\\pnlvlblt}b\\par\\pard\\intbl{\\*\\pn\\pnlvlbody}c\\cell\\row"
                 "\\pard{\\*\\pn\\pnlvlblt}d\\par\\pard\\s1{\\*\\pn\\pnlvlblt}H\\par"
                 "\\pard{\\*\\pn\\pnlvl3\\pndec}deep\\par\\pard\\intbl x\\cell\\pard y\\par}"),
            "<UL>\n<LI>a</LI>\n</UL>\n"
            "<TABLE BORDER CELLSPACING=1 CELLPADDING=7 WIDTH=66>\n<TR>\n<TD WIDTH=\"100%\" VALIGN=\"TOP\">\n"
            "<UL>\n<LI>b</LI>\n</UL>\n<OL>\n<LI>c</LI>\n</OL>\n</TD>\n</TR>\n</TABLE>\n"
            "<UL>\n<LI>d</LI>\n</UL>\n<H1>H</H1>\n"
            "<OL>\n<OL>\n<OL>\n<LI>deep</LI>\n</OL>\n</OL>\n</OL>\n"
            "<TABLE BORDER CELLSPACING=1 CELLPADDING=7 WIDTH=66>\n<TR>\n<TD WIDTH=\"100%\" VALIGN=\"TOP\">\n"
            "x\n</TD>\n</TR>\n</TABLE>\n<P>y</P>\n");
}

TEST(HtmlExport, HugeCellEdgesGiveSaneWidths) {
  EXPECT_EQ(body("{\\rtf1\\trowd\\cellx90009000\\intbl x\\cell\\row}"),
            "<TABLE BORDER CELLSPACING=1 CELLPADDING=7 WIDTH=6000600>\n<TR>\n"
            "<TD WIDTH=\"100%\" VALIGN=\"TOP\">\nx\n</TD>\n</TR>\n</TABLE>\n");
  EXPECT_EQ(body("{\\rtf1\\trowd\\cellx1\\cellx900090000\\intbl a\\cell b\\cell\\row}"),
            "<TABLE BORDER CELLSPACING=1 CELLPADDING=7 WIDTH=60006000>\n<TR>\n"
            "<TD WIDTH=\"1%\" VALIGN=\"TOP\">\na\n</TD>\n"
            "<TD WIDTH=\"100%\" VALIGN=\"TOP\">\nb\n</TD>\n</TR>\n</TABLE>\n");
}

TEST(HtmlExport, LongLinesBreakOnlyOutsideTagsAndMarkers) {
  std::string words;
  for (int i = 0; i < 30; ++i) words += "word ";
  std::string marker = "!!x " + std::string(60, 'h') + " hot spot text^#CONTEXT#!#";
  std::string out = body("{\\rtf1{\\fonttbl{\\f0 Times;}{\\f1 Times New Roman;}}\\f1 " + words + marker + " " +
                         words + "!tzkyone; two; three; four; five; six; seven; eight; nine; ten!~\\par}");
  EXPECT_NE(out.find(marker), std::string::npos);
  EXPECT_NE(out.find("<FONT FACE=\"Times New Roman\">"), std::string::npos);
  EXPECT_NE(out.find("!tzkyone; two; three; four; five; six; seven; eight; nine; ten!~"), std::string::npos);
  std::size_t start = 0;
  for (std::size_t end = out.find('\n'); end != std::string::npos; start = end + 1, end = out.find('\n', start)) {
    std::string line = out.substr(start, end - start);
    bool holds_marker = line.find("!!x") != std::string::npos || line.find("!tzky") != std::string::npos;
    EXPECT_TRUE(line.size() <= 78 || holds_marker) << line;
  }
}

TEST(HtmlExport, MalformedOrTruncatedInputStillGivesAWholePage) {
  std::string document = fixture("word_document.rtf");
  for (std::size_t n = 0; n <= document.size(); n += 7) {
    std::string html = export_rtf_to_html(std::string_view(document).substr(0, n), "cut");
    ASSERT_EQ(html.substr(html.size() - 18), "</BODY>\r\n</HTML>\r\n") << n;
  }
  EXPECT_EQ(body("}}}{\\b unclosed {\\i deeper"), "<P><B>unclosed <I>deeper</I></B></P>\n");
  EXPECT_EQ(body("{\\rtf1 a\\'4"), "<P>a</P>\n");
}

TEST(HtmlExport, ControlBytesAndBareLineFeedsNeverReachTheOutput) {
  std::string html = export_rtf_to_html(std::string("{\\rtf1 a\\'00b\\'0ac\\'09d\r\n\\line e\\par}"), "t");
  EXPECT_NE(html.find("<P>abc\td<BR>e</P>"), std::string::npos);
  for (std::size_t i = 0; i < html.size(); ++i) {
    if (html[i] == '\n') {
      ASSERT_TRUE(i > 0 && html[i - 1] == '\r');
    }
    ASSERT_NE(html[i], '\0');
  }
}

class HtmlExportFile : public tw_test::Fixture {};

TEST_F(HtmlExportFile, WritesBesideTheMarkerFileOrWhereTold) {
  tw_test::write_file(file("help/printing.~tw"), "{\\rtf1 Body\\par}");
  EXPECT_EQ(host::html_export::html_path_for("help\\printing.~tw"), "help\\printing.htm");
  ASSERT_TRUE(host::html_export::export_rtf_file("help\\printing.~tw"));
  std::string html = tw_test::read_file(file("help/printing.htm"));
  EXPECT_NE(html.find("<TITLE>printing</TITLE>"), std::string::npos);
  EXPECT_NE(html.find("<P>Body</P>"), std::string::npos);

  ASSERT_TRUE(host::html_export::export_rtf_file("help/printing.~tw", "out.html"));
  EXPECT_EQ(tw_test::read_file(file("out.html")), html);

  EXPECT_FALSE(host::html_export::export_rtf_file("help/missing.~tw"));
  EXPECT_FALSE(tw_test::exists(file("help/missing.htm")));
}

// The page declares the document's code page; its text stays in it.
TEST(HtmlExport, DeclaresTheDocumentsCodePage) {
  std::string html = export_rtf_to_html("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\u1088?\\u945?\\par}", "t");
  EXPECT_NE(html.find("charset=windows-1251\">"), std::string::npos);
  EXPECT_NE(html.find("<P>\xcf\xf0&#945;</P>"), std::string::npos);
}

// A row keeps the cells it defines, even when fewer were ended.
TEST(HtmlExport, RowKeepsItsDefinedCells) {
  EXPECT_EQ(body("{\\rtf1\\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl a\\cell\\row}"),
            "<TABLE BORDER CELLSPACING=1 CELLPADDING=7 WIDTH=200>\n<TR>\n"
            "<TD WIDTH=\"33%\" VALIGN=\"TOP\">\na\n</TD>\n"
            "<TD WIDTH=\"33%\" VALIGN=\"TOP\">\n&nbsp;\n</TD>\n"
            "<TD WIDTH=\"33%\" VALIGN=\"TOP\">\n&nbsp;\n</TD>\n</TR>\n</TABLE>\n");
}

}  // namespace
