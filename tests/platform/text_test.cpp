#include "platform/text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Lines = std::vector<std::string>;

TEST(Text, TrimRemovesBlanksTabsAndLineEnds) {
  EXPECT_EQ(text::trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(text::trim_left("  a "), "a ");
  EXPECT_EQ(text::trim_right("  a \t"), "  a");
  EXPECT_EQ(text::trim("   "), "");
  EXPECT_EQ(text::trim(""), "");
}

TEST(Text, CaseHelpersAreAsciiOnly) {
  EXPECT_EQ(text::to_lower("Intro.RTF"), "intro.rtf");
  EXPECT_EQ(text::to_upper("intro.rtf"), "INTRO.RTF");
  EXPECT_EQ(text::to_lower("\xC9"), "\xC9");  // code page 1252 letters unchanged
  EXPECT_TRUE(text::iequals("TARVENWICK", "Tarvenwick"));
  EXPECT_FALSE(text::iequals("abc", "abcd"));
  EXPECT_TRUE(text::istarts_with("HCW.EXE /c", "hcw.exe"));
  EXPECT_FALSE(text::istarts_with("hc", "hcw"));
  EXPECT_TRUE(text::iends_with("Sample.HPJ", ".hpj"));
  EXPECT_FALSE(text::iends_with("j", ".hpj"));
}

TEST(Text, FindIgnoringCase) {
  EXPECT_EQ(text::ifind("LCID=0x409 hoag", "HOAG"), 11u);
  EXPECT_EQ(text::ifind("abc", "abcd"), std::string_view::npos);
  EXPECT_EQ(text::ifind("abc", ""), 0u);
  EXPECT_TRUE(text::icontains("Compile In Bkgrnd", "in BK"));
  EXPECT_FALSE(text::icontains("abc", "x"));
}

TEST(Text, SplitKeepsEmptyPieces) {
  EXPECT_EQ(text::split("a;;b;", ';'), (Lines{"a", "", "b", ""}));
  EXPECT_EQ(text::split("", ';'), (Lines{""}));
  EXPECT_EQ(text::split("abc", ';'), (Lines{"abc"}));
}

TEST(Text, SplitLinesAcceptsEveryLineEnding) {
  EXPECT_EQ(text::split_lines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(text::split_lines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(text::split_lines("a\n\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(text::split_lines("a\r\r\n"), (Lines{"a", ""}));
  EXPECT_TRUE(text::split_lines("").empty());
}

TEST(Text, CutAndFormat) {
  EXPECT_EQ(text::cut("abcdef", 3), "abc");
  EXPECT_EQ(text::cut("ab", 3), "ab");
  EXPECT_EQ(text::cut("ab", 0), "");
  EXPECT_EQ(text::format("%lX %lX  %d", 0xA3D0F1L, 0x5966FDL, -7), "A3D0F1 5966FD  -7");
  EXPECT_EQ(text::format("%s", std::string(5000, 'x').c_str()).size(), 5000u);
  EXPECT_EQ(text::format("%s", ""), "");
}

TEST(Text, ParseIntLikeAtoi) {
  EXPECT_EQ(text::parse_int("  42abc"), 42);
  EXPECT_EQ(text::parse_int("-17"), -17);
  EXPECT_EQ(text::parse_int("+5"), 5);
  EXPECT_EQ(text::parse_int("abc"), 0);
  EXPECT_EQ(text::parse_int(""), 0);
  EXPECT_EQ(text::parse_int("- 5"), 0);
  EXPECT_EQ(text::parse_int("0x10"), 0);
  EXPECT_EQ(text::parse_int("99999999999999999999999"), LONG_MAX);
  EXPECT_EQ(text::parse_int("-99999999999999999999999"), LONG_MIN);
}

}  // namespace
