// The case-insensitive search every page pass uses to find markup: the same
// answer whether the needle starts with markup or with a letter.
#include "html/text/markup.h"

#include <gtest/gtest.h>

#include <string>

namespace html {
namespace {

TEST(FindNocase, FindsMarkupAndWordsInAnyCaseFromWhereItIsAsked) {
  const std::string page = "<HTML>\r\n<body BGCOLOR=x>{Button Go}</Body>{ew x}<b>";
  EXPECT_EQ(find_nocase(page, "<BODY"), 8u);
  EXPECT_EQ(find_nocase(page, "</body"), 35u);
  EXPECT_EQ(find_nocase(page, "{button"), 24u);
  EXPECT_EQ(find_nocase(page, "{EW"), 42u);
  EXPECT_EQ(find_nocase(page, "bgcolor"), 14u);
  EXPECT_EQ(find_nocase(page, "<b", 9), 48u);     // past the first match
  EXPECT_EQ(find_nocase(page, "<b>"), 48u);       // the needle ends where the page does
  EXPECT_EQ(find_nocase(page, "<b>x"), kNoPos);   // runs past the end
  EXPECT_EQ(find_nocase(page, "{ew", 43), kNoPos);
  EXPECT_EQ(find_nocase(page, "<HTML", 1), kNoPos);
  EXPECT_EQ(find_nocase("", "<"), kNoPos);
  EXPECT_EQ(find_nocase("<", "<"), 0u);
  // Only ASCII letters fold: other bytes match themselves alone.
  EXPECT_EQ(find_nocase("[x]@", "@"), 3u);
  EXPECT_EQ(find_nocase("\xE9t\xC9", "\xC9"), 2u);
}

}  // namespace
}  // namespace html
