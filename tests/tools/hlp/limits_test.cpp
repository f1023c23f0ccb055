// Counts the help file stores in 16 bits refuse to wrap: the project is
// reported too large instead.
#include <gtest/gtest.h>

#include "tools/helpc/hlp/font_table.h"
#include "tools/helpc/hlp/keyword_files.h"

namespace {

TEST(HelpFileLimits, KeywordOfMoreTopicsThanItsCountHoldsIsRefused) {
  hlp::KeywordIndex index;
  for (std::int32_t topic = 0; topic < 0xFFFF; ++topic) index.add("common", topic * 0x8000);
  index.add("common", 0xFFFE * 0x8000);  // the same topic again: filed once
  EXPECT_TRUE(index.render());
  index.add("common", 0x7FFF8000);
  EXPECT_FALSE(index.render());
}

TEST(HelpFileLimits, FontTableTellsWhenItsNumbersRunOut) {
  hlp::FontTable fonts;
  for (std::uint32_t colour = 0; fonts.size() < 0xFFFF; ++colour) fonts.descriptor(hlp::FontDescriptor{0, 20, "Arial", colour});
  EXPECT_TRUE(fonts.fits());
  EXPECT_EQ(fonts.descriptor(hlp::FontDescriptor{0, 20, "Arial", 0}), 0);  // known: no new number
  fonts.descriptor(hlp::FontDescriptor{hlp::kFontBold, 20, "Arial", 0});
  EXPECT_FALSE(fonts.fits());
}

}  // namespace
