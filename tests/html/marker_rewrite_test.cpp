// The marker rewrite of RTF text: pages, footnotes and hotspots, as word
// processors and people write them.
#include "html/analysis/marker_rewrite.h"

#include <gtest/gtest.h>

#include <random>

#include "html/rtf_fixtures.h"

namespace {

std::string rewrite(std::string_view rtf) { return html::rewrite_markers(rtf); }

std::string footnote(char mark, std::string_view text) {
  std::string m(1, mark);
  return "{\\cs15\\super " + m + "}{\\footnote \\pard\\plain\\s16 {\\cs15\\super " + m + "} " +
         std::string(text) + "}";
}

TEST(MarkerRewrite, TopicFootnotesBecomeMarkers) {
  std::string rtf = "{\\rtf1 " + footnote('#', "IDH_first") + "\n" + footnote('$', "First Topic") +
                    "\n" + footnote('K', "alpha;beta") + "\n" + footnote('+', "main:010") + "\n" +
                    footnote('!', "SetContents(`x', 1)") + "\n" + footnote('A', "hidden") +
                    "\nText.\\par\n\\page\n" + footnote('#', "IDH_second") + "\n" +
                    footnote('$', "Second") + "\nMore.\\par\n}";
  EXPECT_EQ(rewrite(rtf),
            "{\\rtf1 {\\cs15\\super ~~~pg~First Topic!~!!bIDH_first!}\n"
            "{\\cs15\\super }\n"
            "{\\cs15\\super \r\n!tzkyalpha;beta!~\r\n}\n"
            "{\\cs15\\super \r\n!tzbrsmain:010!~}\n"
            "{\\cs15\\super }\n"
            "{\\cs15\\super }\n"
            "Text.\\par\n~~~pg~Second!~\n"
            "{\\cs15\\super \r\n!!bIDH_second!}\n"
            "{\\cs15\\super }\nMore.\\par\n}");
}

TEST(MarkerRewrite, FootnoteTextInGroupsAndWithParagraphMarks) {
  // The text in groups of its own, after a paragraph mark, spread over lines.
  EXPECT_EQ(rewrite("{#{\\footnote {\\super #}{ }{T_TWO}}x}"), "{~~~pg!!bT_TWO!x}");
  EXPECT_EQ(rewrite("{\\page ${\\footnote {\\super $}{ }{What is it?}}x}"),
            "{~~~pg~What is it?!~ x}");
  EXPECT_EQ(rewrite("{#{\\footnote {\\super #} AFX_HIDP_default\\par }x}"),
            "{~~~pg!!bAFX_HIDP_default!x}");
  EXPECT_EQ(rewrite("{\\super #{\\footnote {\\super #} IDH_sp\r\nread_\r\nover}}"),
            "{\\super ~~~pg!!bIDH_spread_over!}");
  EXPECT_EQ(rewrite("{\\super #{\\footnote {\\super #}{\\f1\\fs20 IDH_styled}}}"),
            "{\\super ~~~pg!!bIDH_styled!}");
  // Without the mark's repetition the whole text counts.
  EXPECT_EQ(rewrite("{K{\\footnote alpha;beta}}"), "{~~~pg\r\n!tzkyalpha;beta!~\r\n}");
}

TEST(MarkerRewrite, EscapesKeepTheWholeText) {
  // Accents and curly quotes stay, in the document's code page.
  EXPECT_EQ(rewrite("{\\rtf1\\ansi\\ansicpg1252 \\page ${\\footnote {\\super $} Comando Nuevo "
                    "(men\\'fa Archivo)}K{\\footnote K what\\rquote s new;version 2}}"),
            "{\\rtf1\\ansi\\ansicpg1252 ~~~pg~Comando Nuevo (men\\'fa Archivo)!~ "
            "\r\n!tzkywhat\\'92s new;version 2!~\r\n}");
  // A file that names no code page is read in the project's, and then names it.
  EXPECT_EQ(html::rewrite_markers("{\\rtf1\\ansi \\page ${\\footnote $ \\'cf\\u1088?}}", nullptr, 1251),
            "{\\rtf1\\ansicpg1251 \\ansi ~~~pg~\\'cf\\'f0!~ }");
  // Characters the code page lacks are kept as \uN.
  EXPECT_EQ(rewrite("{\\rtf1\\ansi\\ansicpg1251 \\page ${\\footnote $ \\'cf\\u945?\\{x\\}}}"),
            "{\\rtf1\\ansi\\ansicpg1251 ~~~pg~\\'cf\\u945?\\{x\\}!~ }");
}

TEST(MarkerRewrite, FirstTopicStartsAtItsFirstText) {
  // A heading before the footnote marks, and a browse sequence before the
  // context string: both belong to the topic's page.
  EXPECT_EQ(rewrite("{\\rtf1{\\fonttbl{\\f0 A;}}\\pard Getting Around +{\\footnote + odd:1}"
                    "#{\\footnote # ODD_ONE}${\\footnote $ Getting Around}\\par}"),
            "{\\rtf1{\\fonttbl{\\f0 A;}}\\pard ~~~pg~Getting Around!~Getting Around "
            "\r\n!tzbrsodd:1!~\r\n!!bODD_ONE!\\par}");
  // A title 600 characters after its page marker is still the topic's.
  std::string far = "\\page " + std::string(600, 'x') + footnote('$', "Far");
  EXPECT_EQ(rewrite(far), "~~~pg~Far!~ " + std::string(600, 'x') + "{\\cs15\\super }");
  // No footnote at all: no page marker.
  EXPECT_EQ(rewrite("{\\rtf1 Just text.\\par}"), "{\\rtf1 Just text.\\par}");
}

TEST(MarkerRewrite, FootnotesWithoutAHelpMark) {
  // Nothing before the footnote: left alone.
  std::string markless = "{\\footnote {\\super #} IDH_y}";
  EXPECT_EQ(rewrite(markless), markless);
  // An ordinary footnote after a word: the footnote goes, the word stays.
  EXPECT_EQ(rewrite("{word{\\footnote a note}.}"), "{word.}");
  // An auto-numbered footnote goes with its mark word.
  EXPECT_EQ(rewrite("word{\\super \\chftn {\\footnote {\\super \\chftn } note}} next"),
            "word{\\super } next");
  // A footnote group that never ends is left as it is.
  std::string open = "{\\super #{\\footnote {\\super #} IDH_open\\par more";
  EXPECT_EQ(rewrite(open), open);
}

TEST(MarkerRewrite, PageBreaksOnlyTheWholeWord) {
  EXPECT_EQ(rewrite("a\\page b\\pagebb c\\\\page d\\page"), "a~~~pg b\\pagebb c\\\\page d~~~pg");
}

TEST(MarkerRewrite, JumpAndPopupHotspotsGiveTheSameMarker) {
  EXPECT_EQ(rewrite("{\\uldb Print a file}{\\v PRINT_FILE>main}"),
            "{!!x Print a file}{^#PRINT_FILE#!#}");
  EXPECT_EQ(rewrite("{\\ul Print a file}{\\v PRINT_FILE}"), "{!!x Print a file}{^#PRINT_FILE#!#}");
  // Formatting words around the underline stay.
  EXPECT_EQ(rewrite("{\\uldb\\cf2 Go}{\\v\\f1 IDH_go}"), "{\\cf2 !!xGo}{\\f1 ^#IDH_go#!#}");
  // Hidden text spread over lines and over groups.
  EXPECT_EQ(rewrite("{\\uldb Go}{\\v IDH_\r\nsplit}"), "{!!x Go}{^#IDH_split#!#\r\n}");
  EXPECT_EQ(rewrite("{\\uldb Go}{\\v IDH_}{\\v two}."), "{!!x Go}{^#IDH_two#!#}{\\v }.");
}

TEST(MarkerRewrite, HotspotInATableCellKeepsTheCells) {
  EXPECT_EQ(rewrite("\\intbl {\\uldb List|Relist}{\\v T_TWO\\cell }{Regenerates the list.\\cell }"),
            "\\intbl {!!x List|Relist}{\\v {\\v0 ^#T_TWO#!#}\\cell }{Regenerates the list.\\cell }");
}

TEST(MarkerRewrite, HotspotSplitOverFormattingRuns) {
  EXPECT_EQ(rewrite("{\\b\\uldb Simulation}{\\uldb  Design}{\\v T_ONE}"),
            "{\\b!!x Simulation}{ Design}{^#T_ONE#!#}");
  EXPECT_EQ(rewrite("{\\uldb {\\b nested} text}{\\v IDH_nested}"),
            "{{\\b !!xnested} text}{^#IDH_nested#!#}");
  // A deleted word never runs into the word before it.
  EXPECT_EQ(rewrite("{\\b\\uldb Bold}{\\v X}{\\i\\uldb x}{\\v Y}"),
            "{\\b!!x Bold}{^#X#!#}{\\i!!x x}{^#Y#!#}");
}

TEST(MarkerRewrite, UnderlineOfTheParagraphAcrossParagraphMarks) {
  EXPECT_EQ(rewrite("\\pard\\plain \\uldb {Edit Menu}{\\v\\ulnone T_TWO}{\\par View Menu}"
                    "{\\v\\ulnone T_TWO}\\par"),
            "\\pard\\plain \\uldb {{\\ulnone !!xEdit Menu}}{\\ulnone ^#T_TWO#!#}"
            "{\\par {\\ulnone !!xView Menu}}{\\ulnone ^#T_TWO#!#}\\par");
  // Hidden text still in force after the target: the marker is made visible.
  EXPECT_EQ(rewrite("{\\uldb Go}\\v T\\par more"), "{!!x Go}\\v {\\v0 ^#T#!#}\\par more");
}

TEST(MarkerRewrite, HotspotTextWithEscapedBraceAndBitmap) {
  EXPECT_EQ(rewrite("{\\uldb a \\} b}{\\v IDH_b}"), "{!!x a \\} b}{^#IDH_b#!#}");
  EXPECT_EQ(rewrite("{\\uldb \\{bmc pic.bmp\\}}{\\v IDH_pic}"),
            "{!!x \\{bmc pic.bmp\\}}{^#IDH_pic#!#}");
}

TEST(MarkerRewrite, HotspotsLeftAlone) {
  for (std::string rtf : {
           std::string("{\\uldb a}{\\v0 plain}"),   // "\v0" is no hidden text
           std::string("{\\ulnone a}{\\v IDH}"),    // not an underline
           std::string("{\\uldb a} b {\\v IDH}"),   // text between
           std::string("{\\uldb unterminated"),
           std::string("{\\v IDH}{\\uldb no target}"),
       }) {
    EXPECT_EQ(rewrite(rtf), rtf);
  }
  // Hidden text belongs to the nearest hotspot before it.
  EXPECT_EQ(rewrite("{\\uldb a}{\\uldb b}{\\v IDH_b2}"), "{!!x a}{b}{^#IDH_b2#!#}");
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
                                "x",      "\\{",     "\\}",   "\\{bm", "~~~pg",      "\\'e9",
                                "\\b",    "\\u945?", "\\cell ", "\\par ", "\\plain ", "\\ulnone "};
  for (int round = 0; round < 20000; ++round) {
    std::string rtf;
    int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) rtf += pieces[random() % std::size(pieces)];
    for (int i = 0; i < 3; ++i) rtf += static_cast<char>(random() % 256);
    std::string out = rewrite(rtf);
    tw_test::BraceBalance before = tw_test::brace_balance(rtf);
    if (before.lowest == 0 && before.end == 0) {
      EXPECT_EQ(tw_test::brace_balance(out), before) << rtf << "\n" << out;
    }
  }
}

}  // namespace
