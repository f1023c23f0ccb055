// The clean-up of exported lines: the export's habits, translations, web
// links, Word 2000 HTML; and the browse map.
#include <gtest/gtest.h>

#include "html/splitter/line_cleanup.h"
#include "html/splitter/link_maps.h"
#include "html/splitter/page_markers.h"
#include "html/splitter/word2000_filter.h"
#include "support/test_support.h"

namespace {

std::string cleaned(std::string line, const html::SplitOptions& o = {},
                    const std::vector<html::Translation>& t = {}) {
  html::CleanupState state;
  std::string early = html::clean_line(line, o, t, state);
  return early.empty() ? line : early + "|" + line;
}

TEST(LineCleanup, ExportHabits) {
  EXPECT_EQ(cleaned("<P><A NAME=\"_Toc12\"></A>Title <A HREF=\"#x\">x</A></A></P>"),
            "<P>Title <A HREF=\"#x\">x</A></P>");
  EXPECT_EQ(cleaned("a&#61623;b&nbsp;c&nbsp;&nbsp;d"),
            "a\x95"
            "b c&nbsp; d");
  html::SplitOptions o;
  o.remove_font = o.remove_bold = o.remove_italic = o.remove_br = true;
  EXPECT_EQ(cleaned("<FONT SIZE=2><B><i>x</i></B></FONT><font face=\"A\">y</font><BR>", o), "xy");
  html::SplitOptions bold;
  bold.fix_bold = true;
  EXPECT_EQ(cleaned("<B>x</B>", bold), "<B>x</B></B>");
}

TEST(LineCleanup, FootnoteLinksAndLowerCase) {
  std::string line =
      "<A HREF=\"file://c:\\out\\conv_footnotes.htm#f1\">1</A> "
      "<A HREF=\"file://other.htm\">x</A>";
  html::fix_footnote_links(line, "conv_footnotes.htm");
  EXPECT_EQ(line, "<A HREF=\"conv_footnotes.htm#f1\">1</A> <A HREF=\"file://other.htm\">x</A>");
  line = "<IMG SRC=\"IMG00001.GIF\"> <IMG SRC=\"Image2.GIF\">";
  html::fix_lower_case(line, false);
  EXPECT_EQ(line, "<IMG SRC=\"img00001.gif\"> <IMG SRC=\"Image2.GIF\">");
  html::fix_lower_case(line, true);
  EXPECT_EQ(line, "<IMG SRC=\"img00001.gif\"> <IMG SRC=\"image2.gif\">");
}

TEST(LineCleanup, Word97Lists) {
  html::SplitOptions o;
  o.word97 = true;
  html::CleanupState state;
  std::vector<std::string> lines = {"<OL>",
                                    "<LI>one",
                                    "<OL>",
                                    "<OL>",
                                    "<LI VALUE=1>two",
                                    "</OL>",
                                    "<UL><DIR>x</DIR>",
                                    "&#19; private graphic file=a.gif b"};
  std::string out;
  for (std::string line : lines) {
    html::clean_line(line, o, {}, state);
    out += line + "|";
  }
  EXPECT_EQ(out, "<OL>|<LI>one|<OL>||<LI>two||x| b|");
}

TEST(LineCleanup, Translations) {
  html::Translation box = html::build_translation("BGCOLOR=#FFFF00; Bold", "");
  EXPECT_EQ(
      box.opening,
      "\r\n<TABLE WIDTH=\"100%\" BGCOLOR=#FFFF00 BORDER=0 CELLPADDING=5><TR><TD><!nf>\r\n<B>");
  EXPECT_EQ(box.closing, "\r\n</TD></TR></TABLE>\r\n</B>");
  html::Translation mixed = html::build_translation(
      "Tags: <BIG>...</BIG>;Heading 2;Italic;Font: FACE=Arial;MARQUEE (left)", "");
  EXPECT_EQ(mixed.opening, "<BIG><H2><I><FONT FACE=Arial><MARQUEE DIRECTION=RIGHT>");
  EXPECT_EQ(mixed.closing,
            "</BIG>;Heading 2;Italic;Font: FACE=Arial;MARQUEE (left)</H2></I></FONT></MARQUEE>");

  std::vector<html::Translation> t(12, html::Translation{"<X>", "</X>"});
  t[0] = html::Translation{"<B>", "</B>"};
  t[11] = html::Translation{"<I>", "</I>"};
  EXPECT_EQ(cleaned("a !!lfct1!!b!te1 !!lfct12!!c!te12 !te0 !te9x !te", {}, t),
            "a <B>b</B> <I>c</I>  </X>x !te");
  // More digits than give a valid number: the rest stays text.
  EXPECT_EQ(cleaned("!te123", {}, t), "</I>3");
  // A table starts on its own; its end follows the rest of the line.
  std::vector<html::Translation> table = {box};
  EXPECT_EQ(cleaned("<P>!!lfct1!!boxed!te1 more</P>", {}, table),
            "<P>" + box.opening + "<!nf>|boxed more</P>" + box.closing);
  html::SplitOptions w2k;
  w2k.word2000 = true;
  EXPECT_EQ(cleaned("<P>!!lfct1!!boxed!te1</P>", w2k, table),
            "<P>" + box.opening + "boxed" + box.closing + "</P>");
}

TEST(LineCleanup, WebLinks) {
  html::SplitOptions o;
  o.auto_link = true;
  EXPECT_EQ(cleaned("see !!lfcpour site!!http://x.example/a\r\nb  !pe! now", o),
            "see <A HREF=\"http://x.example/ab\" TARGET=\"_top\">our site</A> now");
  o.link_target.clear();
  EXPECT_EQ(cleaned("!!lfcpx!!y!pe!", o), "<A HREF=\"y\">x</A>");
  EXPECT_EQ(cleaned("!!lfcpx!!y", o), "!!lfcpx!!y");
  EXPECT_EQ(cleaned("!!lfcpx!!y!pe!"), "!!lfcpx!!y!pe!");  // auto-linking off
}

TEST(Word2000, XmlAndStylesDroppedStyleSheetKept) {
  tw_test::TempDir dir;
  html::Word2000Filter filter(true, dir.file("page.css"));
  std::vector<std::string> kept;
  for (std::string_view line :
       {"<html>", "<xml>", "<o:x/>", "</xml>", "<style>", "<!--", "p.x {margin:0}", "-->",
        "</style>", "<style>", "b {}", "</style>", "<body>"})
    if (std::optional<std::string> out = filter.filter(line)) kept.push_back(*out);
  EXPECT_EQ(kept, (std::vector<std::string>{
                      "<html>", "<LINK REL=\"StyleSheet\" HREF=\"page.css\">\r\n", "<body>"}));
  EXPECT_EQ(tw_test::read_file(dir.file("page.css")), "<!--p.x {margin:0}-->b {}");
}

TEST(Word2000, StyleAttributesStripped) {
  std::string line =
      "<p class=MsoNormal style='margin:0'><span style='font-size:10'>x<o:p></o:p>"
      "</span></p><p style='text-indent:-18pt'>y</p>";
  html::strip_word2000_styles(line);
  EXPECT_EQ(line, "<p class=MsoNormal >x</p><p style='text-indent:-18pt'>y</p>");
  line = "<p class=twbullet style='text-indent:-18pt'>y</p>";
  html::strip_word2000_styles(line);
  EXPECT_EQ(line, "<p class=twbullet >y</p>");
  EXPECT_TRUE(html::has_open_style("<span lang=EN"));
  EXPECT_FALSE(html::has_open_style("<span lang=EN>"));
}

TEST(PageMarkers, TitlesAndMarkers) {
  EXPECT_EQ(html::title_from_context("IDH_PRINT_FILE"), "PRINT FILE");
  EXPECT_EQ(html::title_from_context("idx_menu_idx_x"), "menu idx x");
  std::string buffer = "<P>~~~pg~Title!~x!!bIDH_a ! y";
  std::optional<html::PageStart> start = html::take_page_marker(buffer, 3);
  ASSERT_TRUE(start);
  EXPECT_EQ(start->title, "Title");
  EXPECT_EQ(start->context, "IDH_a");
  EXPECT_EQ(buffer, "<P>x!!bIDH_a ! y");
  EXPECT_EQ(html::replace_anchor_markers(buffer), std::vector<std::string>{"IDH_a"});
  EXPECT_EQ(buffer, "<P>x<A NAME=\"IDH_a\"> y");
  buffer = "<P>~~~pg~never closed";
  EXPECT_FALSE(html::take_page_marker(buffer, 3));
  EXPECT_EQ(buffer, "<P>~never closed");
}

TEST(BrowseMap, NeighboursWithinTheGroup) {
  html::BrowseMap map;
  for (std::string_view e : {"main:020=c.htm", "main:010=b.htm", "other:001=x.htm",
                             "main:005=a.htm", "005=n1.htm", "010=n2.htm"})
    map.add(e);
  EXPECT_EQ(map.next("a.htm"), "b.htm");
  EXPECT_EQ(map.previous("c.htm"), "b.htm");
  EXPECT_EQ(map.next("c.htm"), "");  // the next entry is of another group
  EXPECT_EQ(map.previous("x.htm"), "");
  EXPECT_EQ(map.next("n1.htm"), "n2.htm");  // sequences without a group name
  EXPECT_EQ(map.previous("n1.htm"), "");
  EXPECT_EQ(map.next("missing.htm"), "");
  map.add("main:015=b2.htm");  // added after a search: sorted again
  EXPECT_EQ(map.next("b.htm"), "b2.htm");
}

}  // namespace
