// Reading topics out of RTF, and the references topics make.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rtf/reader.h"
#include "tools/helpc/references.h"
#include "tools/helpc/topic_collector.h"

namespace {

using helpc::HotspotKind;
using helpc::TopicFacts;

std::vector<TopicFacts> topics_of(const std::string& body) {
  std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\n" + body + "\n}";
  std::vector<TopicFacts> out;
  rtf::Reader reader(rtf);
  helpc::TopicCollector collector([&](const TopicFacts& t) { out.push_back(t); });
  reader.run(collector);
  collector.finish();
  return out;
}

std::string footnote(char mark, const std::string& text) {
  return std::string("{\\super ") + mark + "}{\\footnote\\pard\\plain {\\super " + mark + "} " + text + "}\n";
}

TEST(HelpcTopics, FootnotesNameTheTopicAndPagesCountPositions) {
  auto topics = topics_of(footnote('#', "IDH_one") + footnote('$', "First topic") +
                          footnote('K', "alpha;beta; ;gamma") + footnote('>', "second") +
                          "Text of one.\\par\\page\n\\page\n" + footnote('#', "IDH_three") +
                          footnote('#', "IDH_three_b") + "Text.\\par");
  ASSERT_EQ(topics.size(), 2u);  // the empty second page is no topic but keeps its place
  EXPECT_EQ(topics[0].number, 1);
  EXPECT_EQ(topics[0].contexts, std::vector<std::string>{"IDH_one"});
  EXPECT_EQ(topics[0].title, "First topic");
  EXPECT_EQ(topics[0].keywords, 3);
  EXPECT_EQ(topics[0].windows, std::vector<std::string>{"second"});
  EXPECT_EQ(topics[1].number, 3);
  EXPECT_EQ(topics[1].contexts, (std::vector<std::string>{"IDH_three", "IDH_three_b"}));
}

TEST(HelpcTopics, FootnoteMarkWithoutFormattingAndTextOnSeveralLines) {
  auto topics = topics_of("#{\\footnote # IDH_\nsplit}${\\footnote $ Title}Body\\par");
  ASSERT_EQ(topics.size(), 1u);
  EXPECT_EQ(topics[0].contexts, std::vector<std::string>{"IDH_split"});
  EXPECT_EQ(topics[0].title, "Title");
}

TEST(HelpcTopics, HotspotsFromUnderlineAndHiddenText) {
  auto topics = topics_of(
      "See {\\uldb Jump}{\\v IDH_jump}, {\\ul Popup}{\\v IDH_pop}, "
      "{\\strike Struck}{\\v IDH_struck>win}, {\\uldb Split}{\\v IDH_}{\\v two}, "
      "{\\uldb Macro}{\\v !Exit()}, {\\uldb No target} and plain {\\v hidden}.\\par"
      "\\ul Word-style\\ul0\\v IDH_word\\v0 end.\\par");
  ASSERT_EQ(topics.size(), 1u);
  const auto& h = topics[0].hotspots;
  ASSERT_EQ(h.size(), 6u);
  EXPECT_EQ(h[0].kind, HotspotKind::jump);
  EXPECT_EQ(h[0].hidden_text, "IDH_jump");
  EXPECT_EQ(h[1].kind, HotspotKind::popup);
  EXPECT_EQ(h[2].kind, HotspotKind::jump);
  EXPECT_EQ(h[2].hidden_text, "IDH_struck>win");
  EXPECT_EQ(h[3].hidden_text, "IDH_two");
  EXPECT_EQ(h[4].kind, HotspotKind::macro);
  EXPECT_EQ(h[5].kind, HotspotKind::popup);
  EXPECT_EQ(h[5].hidden_text, "IDH_word");
}

TEST(HelpcTopics, BitmapReferencesAcrossTextPieces) {
  auto topics = topics_of("A picture \\{bmc logo.bmp\\} and \\{bml\\'20left.shg\\}, "
                          "{\\uldb \\{bmct arrow.bmp\\}}{\\v IDH_x}, not \\{ewc x.dll\\}, "
                          "not \\{bmc unclosed\\par \\{bmr right.bmp\\}\\par");
  ASSERT_EQ(topics.size(), 1u);
  EXPECT_EQ(topics[0].bitmaps,
            (std::vector<std::string>{"logo.bmp", "left.shg", "arrow.bmp", "right.bmp"}));
  EXPECT_EQ(topics[0].hotspots.size(), 1u);
}

TEST(HelpcTopics, LongHiddenTextIsCut) {
  auto topics = topics_of("{\\uldb J}{\\v " + std::string(5000, 'a') + "}\\par");
  ASSERT_EQ(topics.size(), 1u);
  EXPECT_EQ(topics[0].hotspots.at(0).hidden_text.size(), helpc::TopicCollector::kMaxPieceLength);
}

TEST(HelpcReferences, HotspotTargets) {
  auto t = helpc::parse_hotspot_target(" %IDH_a>second@other.hlp ");
  EXPECT_FALSE(t.macro);
  EXPECT_EQ(t.context, "IDH_a");
  EXPECT_EQ(t.window, "second");
  EXPECT_EQ(t.help_file, "other.hlp");
  t = helpc::parse_hotspot_target("*IDH_b@other.hlp>win");
  EXPECT_EQ(t.context, "IDH_b");
  EXPECT_EQ(t.window, "win");
  EXPECT_EQ(t.help_file, "other.hlp");
  EXPECT_TRUE(helpc::parse_hotspot_target("JumpId(`x.hlp',`y')!").macro);
}

TEST(HelpcReferences, BitmapReferenceForms) {
  EXPECT_EQ(helpc::bitmap_reference("bmc a.bmp").value_or("-"), "a.bmp");
  EXPECT_EQ(helpc::bitmap_reference("BMRT  b c.bmp ").value_or("-"), "b c.bmp");
  EXPECT_EQ(helpc::bitmap_reference("bmlwd x.wmf").value_or("-"), "x.wmf");
  EXPECT_FALSE(helpc::bitmap_reference("bmx a.bmp"));
  EXPECT_FALSE(helpc::bitmap_reference("bmc"));
  EXPECT_FALSE(helpc::bitmap_reference("bmcq a.bmp"));
  EXPECT_FALSE(helpc::bitmap_reference("mci a.avi"));
}

TEST(HelpcReferences, ContextStringCharacters) {
  EXPECT_TRUE(helpc::valid_context_string("IDH_a.b_9"));
  EXPECT_FALSE(helpc::valid_context_string(""));
  // Hyphens and blanks compile and link, so they pass.
  EXPECT_TRUE(helpc::valid_context_string("Printing a file"));
  EXPECT_TRUE(helpc::valid_context_string("IDH-a"));
  EXPECT_FALSE(helpc::valid_context_string("IDH*a"));
  EXPECT_FALSE(helpc::valid_context_string("IDH,a"));
}

}  // namespace
