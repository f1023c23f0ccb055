#include "core/text_commands.h"

#include <gtest/gtest.h>

TEST(FixBookmark, MakesBookmarkNamesFromContextStrings) {
  EXPECT_EQ(core::FixBookmark("#1 word"), "n1_word");
  EXPECT_EQ(core::FixBookmark("IDH_print.setup"), "IDH_print_setup");
  EXPECT_EQ(core::FixBookmark("  a-b  "), "a_b");
  EXPECT_EQ(core::FixBookmark("\xE9t\xE9"), "t");  // Latin-1 letters are not ASCII
  EXPECT_EQ(core::FixBookmark("\xE9" "1"), "n1");
  EXPECT_EQ(core::FixBookmark(""), "n");
}

TEST(FixString, BlanksControlCharactersAndTrims) {
  EXPECT_EQ(core::FixString("\tTitle\r\n"), "Title");
  EXPECT_EQ(core::FixString("a\tb\x01" "c"), "a b c");
}
