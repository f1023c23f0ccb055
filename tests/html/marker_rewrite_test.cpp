// The marker rewrite of RTF text: pages, footnotes and hotspots.
#include "html/marker_rewrite.h"

#include <gtest/gtest.h>

#include <random>

#include "html/rtf_fixtures.h"
#include "html/rtf_text.h"

namespace {

std::string rewrite(std::string rtf) {
  html::MarkerFileState state;
  html::rewrite_chunk(rtf, state);
  return rtf;
}

std::string footnote(char mark, std::string_view text) {
  std::string m(1, mark);
  return "{\\cs15\\super " + m + "{\\footnote \\pard\\plain\\s16 {\\cs15\\super " + m + "} " +
         std::string(text) + "}}";
}

TEST(MarkerRewrite, TopicFootnotesBecomeMarkers) {
  std::string rtf = footnote('#', "IDH_first") + "\n" + footnote('$', "First Topic") + "\n" +
                    footnote('K', "alpha;beta") + "\n" + footnote('+', "main:010") + "\n" +
                    footnote('!', "SetContents(`x', 1)") + "\n" + footnote('A', "hidden") +
                    "\nText.\\par\n\\page\n" + footnote('#', "IDH_second") + "\n" +
                    footnote('$', "Second") + "\nMore.\\par\n}";
  EXPECT_EQ(rewrite(rtf),
            "{\\cs15\\super ~~~pg~First Topic!~!!bIDH_first!}\n"
            "{\\cs15\\super }\n"
            "{\\cs15\\super \r\n!tzkyalpha;beta!~\r\n}\n"
            "{\\cs15\\super \r\n!tzbrsmain:010!~}\n"
            "{\\cs15\\super }\n"
            "{\\cs15\\super }\n"
            "Text.\\par\n~~~pg~Second!~\n"
            "{\\cs15\\super \r\n!!bIDH_second!}\n"
            "{\\cs15\\super }\nMore.\\par\n}");
}

TEST(MarkerRewrite, MarkInItsOwnGroupAndPlainForm) {
  // The reference mark in a group of its own before the footnote group.
  EXPECT_EQ(rewrite("{\\super #}{\\footnote\\pard {\\super #} IDH_a}\\par"),
            "{\\super ~~~pg!!bIDH_a!}\\par");
  // The plain form: mark and text directly in the footnote group.
  EXPECT_EQ(rewrite("#{\\footnote # IDH_b}x"), "~~~pg!!bIDH_b!x");
}

TEST(MarkerRewrite, FootnoteTextSpreadOverLines) {
  EXPECT_EQ(rewrite("{\\super #{\\footnote {\\super #} IDH_sp\r\nread_\r\nover}}"),
            "{\\super ~~~pg!!bIDH_spread_over!}");
  // Control words in front of the text are dropped with everything before them.
  EXPECT_EQ(rewrite("{\\super #{\\footnote {\\super #}{\\f1\\fs20 IDH_styled}}}"),
            "{\\super ~~~pg!!bIDH_styled!}");
}

TEST(MarkerRewrite, TitleNeedsAPageMarkerWithin500Characters) {
  std::string near = "\\page " + std::string(400, 'x') + footnote('$', "Near");
  EXPECT_EQ(rewrite(near), "~~~pg~Near!~ " + std::string(400, 'x') + "{\\cs15\\super }");
  std::string far = "\\page " + std::string(600, 'x') + footnote('$', "Far");
  EXPECT_EQ(rewrite(far), "~~~pg " + std::string(600, 'x') + "{\\cs15\\super }");
  // No # footnote at all: no page marker for the first topic.
  EXPECT_EQ(rewrite(footnote('$', "Lost") + "x"), "{\\cs15\\super }x");
}

TEST(MarkerRewrite, FootnotesLeftAloneWhenIncomplete) {
  // The mark is not repeated inside the footnote.
  std::string unrepeated = "{\\super #{\\footnote IDH_x}}";
  EXPECT_EQ(rewrite(unrepeated), unrepeated);
  // The footnote group never ends within the text.
  std::string open = "{\\super #{\\footnote {\\super #} IDH_open\\par more";
  EXPECT_EQ(rewrite(open), open);
  // A footnote group at the very start has no mark.
  std::string markless = "{\\footnote {\\super #} IDH_y}";
  EXPECT_EQ(rewrite(markless), markless);
}

TEST(MarkerRewrite, OtherFootnotesGoWithTheirMarkWord) {
  // An auto-numbered footnote: its mark is the control word "\chftn".
  EXPECT_EQ(rewrite("word{\\super \\chftn {\\footnote {\\super \\chftn } note}} next"),
            "word{\\super  } next");
}

TEST(MarkerRewrite, PageBreaksOnlyTheWholeWord) {
  EXPECT_EQ(rewrite("a\\page b\\pagebb c\\\\page d\\page"), "a~~~pg b\\pagebb c\\\\page d~~~pg");
}

TEST(MarkerRewrite, JumpAndPopupHotspotsGiveTheSameMarker) {
  EXPECT_EQ(rewrite("{\\uldb Print a file}{\\v PRINT_FILE>main}"),
            "{!!x Print a file}{^#PRINT_FILE#!#}");
  EXPECT_EQ(rewrite("{\\ul Print a file}{\\v PRINT_FILE}"), "{!!x Print a file}{^#PRINT_FILE#!#}");
  // Formatting words after the underline word go with it.
  EXPECT_EQ(rewrite("{\\uldb\\cf2 Go}{\\v\\f1 IDH_go}"), "{!!x Go}{^#IDH_go#!#}");
  // Hidden text spread over lines.
  EXPECT_EQ(rewrite("{\\uldb Go}{\\v IDH_\r\nsplit}"), "{!!x Go}{^#IDH_split#!#}");
}

TEST(MarkerRewrite, HotspotTextWithEscapedBraceAndBitmap) {
  EXPECT_EQ(rewrite("{\\uldb a \\} b}{\\v IDH_b}"), "{!!x a \\} b}{^#IDH_b#!#}");
  EXPECT_EQ(rewrite("{\\uldb \\{bmc pic.bmp\\}}{\\v IDH_pic}"),
            "{!!x \\{bmc pic.bmp\\}}{^#IDH_pic#!#}");
  EXPECT_EQ(rewrite("{\\uldb INCLUDEPICTURE x \\{bmc pic.bmp\\}}{\\v IDH_pic}"),
            "{\\uldb INCLUDEPICTURE x !!x\\{bmc pic.bmp\\}}{^#IDH_pic#!#}");
}

TEST(MarkerRewrite, HotspotsLeftAlone) {
  for (std::string rtf : {
           std::string("{\\uldb MACROBUTTON x}{\\v IDH_m}"),          // a macro button
           "{\\uldb far}" + std::string(300, 'x') + "{\\v IDH_far}",  // hidden text too far
           std::string("{\\uldb a}{\\uldb b}{\\v IDH_b2}"),  // hidden text of the next hotspot
           std::string("{\\uldb a}{\\v {\\f1 IDH}}"),        // a group inside the hidden text
           std::string("{\\uldb a}{\\v0 plain}"),            // "\v0" is no hidden text
           std::string("{\\ulnone a}{\\v IDH}"),             // not an underline word
           std::string("{\\uldb unterminated"),
       }) {
    std::string out = rewrite(rtf);
    if (rtf.find("{\\uldb b}") != std::string::npos)
      EXPECT_EQ(out, "{\\uldb a}{!!x b}{^#IDH_b2#!#}");
    else
      EXPECT_EQ(out, rtf);
  }
}

TEST(MarkerRewrite, PictureHexDataPassesUnchanged) {
  std::string rtf =
      "{\\pict\\wmetafile8\\picw100\\pich100\n0100090000035e00\n"
      "23235c7061676520\n}\\par";
  EXPECT_EQ(rewrite(rtf), rtf);
}

TEST(MarkerRewrite, GarbageNeverBreaksAndBalancedInputStaysBalanced) {
  std::mt19937 random(7);
  const std::string pieces[] = {"{",      "}",       "\\",    "\\\\",  "\\footnote", "{\\footnote ",
                                "\\page", "\\uldb ", "\\ul ", "\\v ",  "\\v0 ",      "\\chftn ",
                                "#",      "$",       "K",     "+",     " ",          "\r\n",
                                "x",      "\\{",     "\\}",   "\\{bm", "~~~pg",      "includepic "};
  for (int round = 0; round < 20000; ++round) {
    std::string rtf;
    int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) rtf += pieces[random() % std::size(pieces)];
    for (int i = 0; i < 3; ++i) rtf += static_cast<char>(random() % 256);
    std::string out = rewrite(rtf);
    tw_test::BraceBalance before = tw_test::brace_balance(rtf);
    if (before.lowest == 0 && before.end == 0) {
      EXPECT_EQ(tw_test::brace_balance(out), before) << rtf;
    }
  }
}

TEST(ExtractRtfText, StartsTwoAfterTheOpeningByte) {
  std::string rtf = "} Some title}";
  EXPECT_EQ(html::extract_rtf_text(rtf, 0, rtf.size() - 1), "Some title");
  rtf = "\\v IDH_x>win}";
  EXPECT_EQ(html::extract_rtf_text(rtf, 0, rtf.size() - 1), "IDH_x>win");
  EXPECT_EQ(html::extract_rtf_text(rtf, 5, 6), "");
  EXPECT_EQ(html::extract_rtf_text(rtf, 0, 999), "");
  // Cut at the first byte that is neither printable nor a letter of 192 and up.
  EXPECT_EQ(html::plain_rtf_text("Caf\xe9\tbar"), "Caf\xe9");
  EXPECT_EQ(html::plain_rtf_text("  \\b bold"), "bold");
}

}  // namespace
