// How the keyword flow writes a keyword footnote into a topic file, as the
// word processor's macro would.
#include <gtest/gtest.h>

#include "host/keyword_insert_flow.h"

namespace {

constexpr const char* kTopic =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\r\n"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
    "\\pard\\plain\\f0\\fs20 {\\cs15\\super #}{\\footnote {\\cs15\\super #} IDH_intro}\r\n"
    "Choose a caf\\'e9 {printer} page.\\par\r\n"
    "}\r\n";

TEST(KeywordFlowTest, FootnoteEscapesItsKeywordsAndStandsBeforeTheText) {
  const std::string footnote = host::keyword_footnote_rtf('K', "caf\xe9;{braces}");
  EXPECT_EQ(footnote, "{\\cs16\\super K}{\\footnote \\pard\\plain \\s15\\fs20 {\\cs16\\super K} caf\\'e9;\\{braces\\}}");
  auto rtf = host::put_keyword_footnote(kTopic, footnote, "caf\xe9");
  ASSERT_TRUE(rtf);
  EXPECT_NE(rtf->find("Choose a " + footnote + "caf\\'e9 {printer}"), std::string::npos) << *rtf;
  EXPECT_FALSE(host::put_keyword_footnote(kTopic, footnote, "absent words"));
}

TEST(KeywordFlowTest, WithoutATextTheFootnoteEndsTheFile) {
  const std::string footnote = host::keyword_footnote_rtf('A', "print_al");
  auto rtf = host::put_keyword_footnote(kTopic, footnote, "");
  ASSERT_TRUE(rtf);
  EXPECT_EQ(*rtf, std::string(kTopic).substr(0, std::string(kTopic).size() - 3) + "\\par " + footnote + "\r\n}\r\n");
  EXPECT_FALSE(host::put_keyword_footnote("not rtf at all", footnote, ""));
}

}  // namespace
