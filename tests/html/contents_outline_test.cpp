// The contents cut to the way to one page: what stays open, what is cut and
// where the cut links to, for the flat page list and for nested books.
#include <gtest/gtest.h>

#include "html/framing/contents_outline.h"
#include "platform/text.h"

namespace html {
namespace {

std::string entry(int n) {
  return text::format("<LI><A HREF=\"p%d.htm\">Topic %d</A>\r\n", n, n);
}

std::string flat_list(int count) {
  std::string out = "<UL>\r\n";
  for (int i = 0; i < count; ++i) out += entry(i);
  return out + "</UL>\r\n";
}

const std::string kMore = "<LI CLASS=\"tw-more\"><A HREF=\"all.htm\">...</A></LI>\r\n";

TEST(ContentsOutline, FlatListShowsTheNeighboursOfThePage) {
  ContentsOutline outline(flat_list(1000));
  EXPECT_EQ(outline.entry_count(), 1000u);
  const std::string middle = outline.path_to("P500.HTM", "all.htm");
  std::string expected = "<UL>\r\n" + kMore;
  for (int i = 500 - static_cast<int>(kNeighboursShown); i <= 500 + static_cast<int>(kNeighboursShown); ++i)
    expected += entry(i);
  EXPECT_EQ(middle, expected + kMore + "</UL>\r\n");

  // At the ends of the list only one side is cut.
  const std::string first = outline.path_to("p0.htm", "all.htm");
  EXPECT_TRUE(first.starts_with("<UL>\r\n" + entry(0)));
  EXPECT_EQ(first.find(entry(static_cast<int>(kNeighboursShown) + 1)), std::string::npos);
  const std::string last = outline.path_to("p999.htm", "all.htm");
  EXPECT_TRUE(last.ends_with(entry(999) + "</UL>\r\n"));
  EXPECT_EQ(last.find(kMore), last.find("<UL>\r\n") + 6);

  // A page in no entry sees the start of the list.
  const std::string other = outline.path_to("elsewhere.htm", "all.htm");
  EXPECT_TRUE(other.starts_with("<UL>\r\n" + entry(0)));
  EXPECT_NE(other.find(entry(2 * static_cast<int>(kNeighboursShown))), std::string::npos);
  EXPECT_EQ(other.find(entry(2 * static_cast<int>(kNeighboursShown) + 1)), std::string::npos);
}

// Books as the contents file writer nests them: a heading line, then its
// entries in a list of their own; levels may be skipped.
TEST(ContentsOutline, BooksOnTheWayAreOpenAndTheOthersClosed) {
  std::string text = "\r\n<UL>\r\n<LI>Book A</LI>\r\n<UL>\r\n";
  for (int i = 0; i < 40; ++i) text += entry(i);
  text += "</UL>\r\n<LI>Book B</LI>\r\n<UL>\r\n" + entry(100) + "<LI>Chapter</LI>\r\n<UL>\r\n";
  // An entry may name an anchor in its page.
  const std::string anchored = "<LI><A HREF=\"p201.htm#ctx\">Topic 201</A>\r\n";
  text += entry(200) + anchored + "</UL>\r\n</UL>\r\n" + entry(300) + "<UL>\r\n<UL>\r\n" +
          entry(400) + "</UL>\r\n</UL>\r\n</UL>\r\n\r\n";
  ContentsOutline outline(text);
  EXPECT_EQ(outline.entry_count(), 48u);

  EXPECT_EQ(outline.path_to("p201.htm", "all.htm"),
            "<UL>\r\n<LI>Book A</LI>\r\n<LI>Book B</LI>\r\n<UL>\r\n" + entry(100) +
                "<LI>Chapter</LI>\r\n<UL>\r\n" + entry(200) + anchored + "</UL>\r\n</UL>\r\n" +
                entry(300) + "</UL>\r\n");

  // Inside a long book the book's list is cut around the page.
  const std::string deep = outline.path_to("p30.htm", "all.htm");
  EXPECT_NE(deep.find("<LI>Book A</LI>\r\n<UL>\r\n" + kMore + entry(20)), std::string::npos) << deep;
  EXPECT_NE(deep.find(entry(39) + "</UL>\r\n<LI>Book B</LI>"), std::string::npos) << deep;
  EXPECT_EQ(deep.find(entry(100)), std::string::npos);

  // A skipped level is a list without an entry of its own; the way runs
  // through it.
  const std::string skipped = outline.path_to("p400.htm", "all.htm");
  EXPECT_NE(skipped.find(entry(300) + "<UL>\r\n<UL>\r\n" + entry(400) + "</UL>\r\n</UL>\r\n"),
            std::string::npos)
      << skipped;
}

TEST(ContentsOutline, APageThatIsABookShowsItsFirstEntries) {
  std::string text = "<UL>\r\n" + entry(1) + "<UL>\r\n";
  for (int i = 10; i < 60; ++i) text += entry(i);
  text += "</UL>\r\n</UL>\r\n";
  const std::string out = ContentsOutline(text).path_to("p1.htm", "all.htm");
  EXPECT_NE(out.find(entry(1) + "<UL>\r\n" + entry(10)), std::string::npos);
  EXPECT_NE(out.find(entry(30) + kMore + "</UL>"), std::string::npos) << out;
}

}  // namespace
}  // namespace html
