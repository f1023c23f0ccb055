// The keyword index: what AddIndexEntry keeps, the sort rule, and the A-Z
// page with its groups and repeat links.
#include "html/index/index_page.h"

#include <gtest/gtest.h>

#include "html/index/index_entries.h"

namespace html {
namespace {

std::vector<std::string> sorted_keywords(std::initializer_list<const char*> keywords) {
  IndexEntries entries;
  for (const char* k : keywords) entries.add(k, "p.htm#IX_1");
  entries.sort();
  std::vector<std::string> out;
  for (const IndexEntry& e : entries.entries()) out.push_back(e.keyword);
  return out;
}

TEST(IndexEntries, KeywordsAreCleanedAsStored) {
  EXPECT_EQ(clean_index_keyword("  say \"hi\"\r\n "), "say  hi");
  // Every line break goes, wherever it stands.
  EXPECT_EQ(clean_index_keyword("a\rb\rc\nd\n"), "abcd");
  EXPECT_EQ(clean_index_keyword("print\r\ning:\r\nsetup\r\n"), "printing:setup");
  IndexEntries entries;
  entries.add("   ", "p.htm#IX_1");
  EXPECT_TRUE(entries.empty());
}

TEST(IndexEntries, SortIgnoresCaseAndPutsFirstLevelsBeforeTheirSecondLevels) {
  EXPECT_EQ(sorted_keywords({"banana", "Apple:red", "apple"}),
            (std::vector<std::string>{"apple", "Apple:red", "banana"}));
  EXPECT_EQ(sorted_keywords({"print:setup", "Print", "printer", "print:options"}),
            (std::vector<std::string>{"Print", "print:options", "print:setup", "printer"}));
  // Characters between "Z" and "a" follow the letters; digits come first;
  // bytes of 128 and above sort before everything.
  EXPECT_EQ(sorted_keywords({"_under", "zebra", "4wheel", "\xE9t\xE9"}),
            (std::vector<std::string>{"\xE9t\xE9", "4wheel", "zebra", "_under"}));
}

std::string page_for(std::initializer_list<std::pair<const char*, const char*>> list,
                     AzIndexOptions options) {
  IndexEntries entries;
  for (auto& [k, t] : list) entries.add(k, t);
  entries.sort();
  return az_index_page(entries.entries(), options);
}

std::string letter_headings(char from, char to) {
  std::string out;
  for (char c = from; c <= to; ++c)
    out += std::string("<DT><H2><A NAME=") + c + ">- " + c + " -</A></H2>\r\n";
  return out;
}

TEST(AzIndexPage, GroupsRepeatsAndSecondLevels) {
  AzIndexOptions options{"Index", false, false, "", ""};
  std::string page = page_for({{"banana", "b.htm#IX_4"},
                               {"Apple:red", "a.htm#IX_2"},
                               {"apple", "a.htm#IX_1"},
                               {"apple", "c.htm#IX_5"},
                               {"Apple:red", "c.htm#IX_6"},
                               {"42nd street", "n.htm#IX_3"},
                               {"~hidden", "h.htm#IX_7"},
                               {"R&D <lab>", "r.htm#IX_8"}},
                              options);
  EXPECT_EQ(page,
            "<HTML>\r\n<head>\r\n<TITLE>Index</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<DL>\r\n"
            "<DT><a href=\"n.htm#IX_3\">42nd street</a>\r\n" +
                letter_headings('A', 'A') +
                "<DT><a href=\"a.htm#IX_1\">apple</a>\r\n"
                ", <a href=\"c.htm#IX_5\">(2)</a>\r\n"
                "<DD><a href=\"a.htm#IX_2\">red</a>\r\n"
                ", <a href=\"c.htm#IX_6\">(2)</a>\r\n" +
                letter_headings('B', 'B') + "<DT><a href=\"b.htm#IX_4\">banana</a>\r\n" +
                letter_headings('C', 'R') +
                "<DT><a href=\"r.htm#IX_8\">R&amp;D &lt;lab&gt;</a>\r\n" +
                letter_headings('S', 'Z') + "\r\n</BODY>\r\n</HTML>\r\n");
}

TEST(AzIndexPage, TitleLetterBarFrameTargetAndThirdRepeat) {
  AzIndexOptions options{"Keywords", true, true, " TARGET=\"MAIN_FRAME\"", ""};
  std::string page = page_for({{"Printing", "a.htm#IX_1"},
                               {"printing", "b.htm#IX_2"},
                               {"PRINTING", "c.htm#IX_3"},
                               {"setup:printer", "d.htm#IX_4"}},
                              options);
  std::string bar = "<B><CENTER>\r\n";
  for (char c = 'A'; c <= 'Z'; ++c) bar += std::string("<A HREF=#") + c + ">" + c + "</A>\r\n";
  bar += "</CENTER></B>\r\n";
  EXPECT_EQ(page,
            "<HTML>\r\n<head>\r\n<TITLE>Keywords</TITLE>\r\n</HEAD>\r\n<BODY>\r\n"
            "<P><H1>Keywords</H1>\r\n" +
                bar + "<DL>\r\n" + letter_headings('A', 'P') +
                "<DT><a href=\"a.htm#IX_1\" TARGET=\"MAIN_FRAME\">Printing</a>\r\n"
                ", <a href=\"b.htm#IX_2\" TARGET=\"MAIN_FRAME\">(2)</a>\r\n"
                ", <a href=\"c.htm#IX_3\" TARGET=\"MAIN_FRAME\">(3)</a>\r\n" +
                letter_headings('Q', 'S') +
                "<DT>setup\r\n<DD><a href=\"d.htm#IX_4\" TARGET=\"MAIN_FRAME\">printer</a>\r\n" +
                letter_headings('T', 'Z') + "\r\n</BODY>\r\n</HTML>\r\n");
}

}  // namespace
}  // namespace html

namespace html {
namespace {

TEST(AzIndexPage, UsedLettersOnlyLinksAndHeadsLettersWithEntries) {
  AzIndexOptions options{"Index", false, true, "", ""};
  options.used_letters_only = true;
  std::string page = page_for({{"apples", "a.htm#IX_1"}, {"Cherries", "c.htm#IX_2"}, {"#1", "n.htm#IX_3"}},
                              options);
  EXPECT_NE(page.find("<A HREF=#A>A</A>"), std::string::npos);
  EXPECT_NE(page.find("<SPAN CLASS=\"tw-empty\">B</SPAN>"), std::string::npos);
  EXPECT_NE(page.find("<A HREF=#C>C</A>"), std::string::npos);
  EXPECT_EQ(page.find("HREF=#B"), std::string::npos);
  EXPECT_EQ(page.find("<A NAME=B>"), std::string::npos);
  EXPECT_NE(page.find("<A NAME=C>- C -</A>"), std::string::npos);
  EXPECT_NE(page.find("n.htm#IX_3"), std::string::npos);  // entries before "A" stay, unheaded
  // Every link of the bar reaches a heading.
  for (char c = 'A'; c <= 'Z'; ++c) {
    const bool linked = page.find(std::string("HREF=#") + c + ">") != std::string::npos;
    const bool headed = page.find(std::string("<A NAME=") + c + ">") != std::string::npos;
    EXPECT_EQ(linked, headed) << c;
  }
}

}  // namespace
}  // namespace html
