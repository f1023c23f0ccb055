// The contents file: entries and header lines read as the editor and the
// table of contents see them, and files written back byte for byte.
#include "formats/cnt_file.h"

#include <gtest/gtest.h>

namespace {

using formats::CntFile;
using formats::read_cnt;
using formats::write_cnt;

// A contents file as an author keeps it: nested books, other-file topics,
// windows, macros, an include between entries, CR LF.
const std::string kGadget =
    ":Base gadget.hlp>main\r\n"
    ":Title Gadget Help\r\n"
    ":Index Widget Reference=widget.hlp\r\n"
    ":Link extras.hlp\r\n"
    "1 Getting Started\r\n"
    "2 Installing the Gadget=install_topic\r\n"
    "2 What's New=whatsnew>proc4\r\n"
    "2 Advanced\r\n"
    "3 Registry Settings=reg_settings@admin.hlp>main\r\n"
    "3 Run Setup Again=!ExecProgram(\"setup.exe\", 0)\r\n"
    "1 Reference\r\n"
    "2 # {idh_blank}=idh_blank\r\n"
    ":include widget.cnt\r\n"
    "2 A=B Equations=eq=a=b\r\n";

TEST(CntFile, ReadsHeaderLinesAndEntries) {
  const CntFile file = read_cnt(kGadget);
  EXPECT_EQ(file.base, "gadget.hlp");
  EXPECT_EQ(file.default_window, "main");
  EXPECT_EQ(file.title, "Gadget Help");
  EXPECT_EQ(file.index_links, (std::vector<std::string>{"Widget Reference=widget.hlp", "extras.hlp"}));
  EXPECT_EQ(file.line_end, "\r\n");
  ASSERT_EQ(file.entries.size(), 10u);

  const auto& book = file.entries[0];
  EXPECT_TRUE(book.is_book());
  EXPECT_EQ(book.line(), "1 Getting Started");

  const auto& other = file.entries[4];
  EXPECT_TRUE(other.is_topic());
  EXPECT_EQ(other.level, 3);
  EXPECT_EQ(other.title(), "Registry Settings");
  EXPECT_EQ(other.target(), "reg_settings@admin.hlp>main");

  EXPECT_TRUE(file.entries[5].is_macro());
  EXPECT_EQ(file.entries[5].target(), "!ExecProgram(\"setup.exe\", 0)");

  const auto& include = file.entries[8];
  EXPECT_TRUE(include.include);
  EXPECT_FALSE(include.is_book() || include.is_topic());
  EXPECT_EQ(include.line(), "1 :include widget.cnt");

  // Only the first "=" separates; the rest stays in the target.
  EXPECT_EQ(file.entries[9].title(), "A");
  EXPECT_EQ(file.entries[9].target(), "B Equations=eq=a=b");
}

TEST(CntFile, RoundTripsByteForByte) {
  EXPECT_EQ(write_cnt(read_cnt(kGadget)), kGadget);

  // The same with LF ends, a byte-order mark, no ":Base" window, other
  // header lines and an include in capitals.
  const std::string lf =
      "\xEF\xBB\xBF:Base gadget.hlp\n:Title \n:Link a.hlp\n:Tab tabs=tabs.dll\n:Nofind\n"
      "1 Books\n2 Caf\xE9 Menu=cafe\n:INCLUDE Parts.CNT\n";
  EXPECT_EQ(write_cnt(read_cnt(lf)), lf);

  // A file without ":Base" or ":Title" gains neither.
  const std::string bare = "1 Only=only\r\n2 Two=two\r\n";
  EXPECT_EQ(write_cnt(read_cnt(bare)), bare);
}

TEST(CntFile, NewFileWritesBothHeaderLinesEvenWhenEmpty) {
  CntFile file;
  file.entries.push_back({1, "Intro\tintro", false});
  file.index_links = {"Other Help=other.hlp", "more.hlp"};
  EXPECT_EQ(write_cnt(file), ":Base \r\n:Title \r\n:Index Other Help=other.hlp\r\n:Link more.hlp\r\n1 Intro=intro\r\n");
}

TEST(CntFile, GrowsPastTheOldTableAndLineLimits) {
  // 1,500 entries, a 9,000-character title, an index list past 2,999
  // characters: all read and written whole.
  std::string text = ":Base big.hlp\r\n:Title Big\r\n";
  std::string index_items;
  for (int i = 0; i < 200; ++i) {
    const std::string item = "Companion Volume " + std::to_string(i) + "=companion" + std::to_string(i) + ".hlp";
    text += ":Index " + item + "\r\n";
    index_items += item + ";";
  }
  ASSERT_GT(index_items.size(), 2999u);
  for (int i = 0; i < 1500; ++i)
    text += i % 10 == 0 ? "1 Chapter " + std::to_string(i) + "\r\n"
                        : "2 Topic " + std::to_string(i) + "=t_" + std::to_string(i) + "\r\n";
  text += "2 " + std::string(9000, 'x') + "=long_topic\r\n";

  const CntFile file = read_cnt(text);
  EXPECT_EQ(file.entries.size(), 1501u);
  EXPECT_EQ(file.index_links.size(), 200u);
  EXPECT_EQ(file.entries.back().title().size(), 9000u);
  EXPECT_EQ(write_cnt(file), text);
}

TEST(CntFile, LevelsOutsideTheRangeAndOddLinesReadSafely) {
  const CntFile file = read_cnt(
      "0 Zero\r\n17 Seventeen=s\r\n-3 Minus\r\n99999999999999999999 Huge\r\n"
      "No level=nolevel\r\n   \r\n\t\r\n16 Deep\r\n7Tight=t\r\n");
  std::vector<std::string> lines;
  for (const auto& entry : file.entries) lines.push_back(entry.line());
  EXPECT_EQ(lines, (std::vector<std::string>{"1 Zero", "1 Seventeen\ts", "1 Minus", "1 Huge",
                                             "1 No level\tnolevel", "16 Deep", "7 Tight\tt"}));
  // A lone CR ends a line too; nothing after it is lost.
  EXPECT_EQ(read_cnt("1 A\r2 B=b\r").entries.size(), 2u);
  EXPECT_TRUE(read_cnt("").entries.empty());
}

TEST(CntFile, HeaderCommandsAreTheWordAfterTheColon) {
  // A title or index item that mentions "include" is no include.
  const CntFile file = read_cnt(":Title How to include files\n:Index Include Guide=inc.hlp\n:Include sub.cnt\n");
  EXPECT_EQ(file.title, "How to include files");
  EXPECT_EQ(file.index_links, (std::vector<std::string>{"Include Guide=inc.hlp"}));
  ASSERT_EQ(file.entries.size(), 1u);
  EXPECT_TRUE(file.entries[0].include);
  EXPECT_TRUE(formats::is_cnt_include(":include x.cnt"));
  EXPECT_FALSE(formats::is_cnt_include("1 Book :include x.cnt"));

  // A second ":Title" is kept, not dropped.
  const std::string twice = ":Title One\n:Title Two\n";
  EXPECT_EQ(read_cnt(twice).title, "One");
  EXPECT_EQ(write_cnt(read_cnt(twice)), twice);
}

}  // namespace
