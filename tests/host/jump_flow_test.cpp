// How the jump flow writes a hotspot into a topic file, as the word
// processor's macro would.
#include <gtest/gtest.h>

#include "host/jump_flow.h"

namespace {

constexpr const char* kTopic =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\r\n"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
    "\\pard\\plain\\f0\\fs20 {\\cs15\\super #}{\\footnote {\\cs15\\super #} IDH_intro}\r\n"
    "See the caf\\'e9 {printer} page.\\par\r\n"
    "}\r\n";

TEST(JumpFlowTest, TheClickTextBecomesTheHotspotWhereItStands) {
  auto rtf = host::put_hotspot(kTopic, "caf\xe9", "IDH_cafe>second", true);
  ASSERT_TRUE(rtf);
  EXPECT_NE(rtf->find("See the {\\uldb caf\\'e9}{\\v IDH_cafe>second} {printer}"), std::string::npos) << *rtf;
  EXPECT_EQ(rtf->size(), std::string(kTopic).size() + std::string("{\\uldb }{\\v IDH_cafe>second}").size());

  auto popup = host::put_hotspot(kTopic, "page", "%IDH_page", false);
  ASSERT_TRUE(popup);
  EXPECT_NE(popup->find("{\\ul page}{\\v %IDH_page}.\\par"), std::string::npos);

  EXPECT_FALSE(host::put_hotspot(kTopic, "absent words", "IDH_x", true));
  EXPECT_FALSE(host::put_hotspot(kTopic, "", "IDH_x", true));
}

TEST(JumpFlowTest, WithoutClickTextTheHotspotEndsTheFile) {
  auto rtf = host::append_hotspot(kTopic, "Print Setup", "IDH_Print_Setup", true);
  ASSERT_TRUE(rtf);
  EXPECT_NE(rtf->find("page.\\par\r\n\\par {\\uldb Print Setup}{\\v IDH_Print_Setup}\r\n}\r\n"), std::string::npos)
      << *rtf;
  EXPECT_FALSE(host::append_hotspot("not rtf at all", "a", "b", true));
}

}  // namespace
