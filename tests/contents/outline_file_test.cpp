// The outline file and its settings file: read, written back byte for byte,
// and read as get_outline hands it to the word processor's macros.
#include "contents/outline_delivery.h"
#include "contents/outline_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

using namespace contents;

// A manual of two documents and an external one, as the editor writes it.
const std::string kManual =
    "[OUTLINE]\r\n"
    "1 main.doc=\r\n"
    "2 Getting Started\r\n"
    "3 Installing=install_topic\r\n"
    "3 # {IDH_untitled}=IDH_untitled\r\n"
    "4 Printer setup, \"quick\" way=IDH_Print_Setup\r\n"
    "1 legal.doc=*ext*\r\n"
    "1 reference.doc=\r\n"
    "2 Commands\r\n"
    "10 Deepest=deep.topic\r\n";

class OutlineFile : public tw_test::Fixture {};

TEST_F(OutlineFile, ReadsAndWritesTheFileUnchanged) {
  const auto entries = read_outline(kManual);
  ASSERT_EQ(entries.size(), 9u);
  EXPECT_EQ(entries[0].text, "main.doc\t");
  EXPECT_EQ(entries[5].target(), "*ext*");
  EXPECT_EQ(entries[8].level, 10);
  EXPECT_EQ(write_outline(entries), kManual);

  const std::string path = file("guide.out");
  tw_test::write_file(path, kManual);
  ContentsModel model;
  ASSERT_TRUE(load_outline(model, path));
  ASSERT_EQ(save_outline(model, path), OutlineSave::saved);
  EXPECT_EQ(tw_test::read_file(path), kManual);
}

TEST_F(OutlineFile, EntriesLieBetweenTheHeaderAndTheSettings) {
  // Text before the header, LF and lone CR line ends, blank lines, another
  // case, and a settings part the entries end at.
  const auto entries = read_outline(
      "; written by hand\n[outline]\n1 a.doc=\n\n   \r2 Heading\r\n[Settings]\r\n1 not.doc=\r\n");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(write_outline(entries), "[OUTLINE]\r\n1 a.doc=\r\n2 Heading\r\n");
  EXPECT_TRUE(read_outline("1 main.doc=\r\n2 Heading\r\n").empty());  // no header, no entries
  EXPECT_TRUE(read_outline("").empty());
}

TEST_F(OutlineFile, SavingMakesAMissingFolderAndReportsWhatCannotBeWritten) {
  ContentsModel model;
  start_model(model);
  append_entry(model, {1, "main.doc\t", false});
  ASSERT_EQ(save_outline(model, file("new/deeper/guide.out")), OutlineSave::saved);
  EXPECT_EQ(tw_test::read_file(file("new/deeper/guide.out")), "[OUTLINE]\r\n1 main.doc=\r\n");

  // A file stands where the folder should be: nothing is written.
  tw_test::write_file(file("blocked"), "mine");
  EXPECT_EQ(save_outline(model, file("blocked/guide.out")), OutlineSave::failed);
  EXPECT_EQ(tw_test::read_file(file("blocked")), "mine");
}

TEST_F(OutlineFile, SettingsFileHoldsTheCountAndTheMasterDocumentChoice) {
  const std::string path = file("guide.dw");
  EXPECT_FALSE(read_use_master_document(path));
  ASSERT_TRUE(write_outline_settings(path, 9, true));
  EXPECT_EQ(tw_test::read_file(path), "[Settings]\r\nnum entries=9\r\nuse_master_doc=1\r\n");
  EXPECT_TRUE(read_use_master_document(path));
  ASSERT_TRUE(write_outline_settings(path, 2, false));
  EXPECT_EQ(tw_test::read_file(path), "[Settings]\r\nnum entries=2\r\nuse_master_doc=0\r\n");
  EXPECT_FALSE(read_use_master_document(path));
}

TEST(OutlinePaths, TheExtensionIsReplaced) {
  EXPECT_EQ(outline_path("c:\\help\\guide.hpj"), "c:\\help\\guide.out");
  EXPECT_EQ(outline_settings_path("/home/ann/my.docs/guide.hpj"), "/home/ann/my.docs/guide.dw");
}

// --- get_outline --------------------------------------------------------------

class OutlineDelivery : public tw_test::Fixture {
 protected:
  OutlineReader reader;
  OutlineItem item;
  std::string path() { return file("guide.out"); }
  Delivery next() {
    item = {};
    return get_outline(reader, path(), false, item);
  }
  std::string delivered() { return item.level + "|" + item.title + "|" + item.target; }
};

TEST_F(OutlineDelivery, StartsOverThenHandsOverEveryEntryAndEnds) {
  tw_test::write_file(path(), "junk\r\n" + kManual + "\r\n[Settings]\r\n9 after=settings\r\n");
  ASSERT_EQ(get_outline(reader, path(), true, item), Delivery::started);
  EXPECT_FALSE(item.delivered);
  std::vector<std::string> seen;
  for (Delivery d = next(); d != Delivery::end; d = next()) {
    if (d == Delivery::entry) seen.push_back(delivered());
    ASSERT_LT(seen.size(), 20u);
  }
  const std::vector<std::string> expected = {
      "1|main.doc|",         "2|Getting Started|", "3|Installing|install_topic", "3||IDH_untitled",
      "4|Printer setup, \"quick\" way|IDH_Print_Setup",                          "1|legal.doc|*ext*",
      "1|reference.doc|",    "2|Commands|",        "10|Deepest|deep.topic"};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(next(), Delivery::end);  // and stays at the end

  // Starting over delivers from the top again.
  ASSERT_EQ(get_outline(reader, path(), true, item), Delivery::started);
  ASSERT_EQ(next(), Delivery::entry);
  EXPECT_EQ(delivered(), "1|main.doc|");
}

TEST_F(OutlineDelivery, ABlankLineDeliversNothingButDoesNotEnd) {
  tw_test::write_file(path(), "[OUTLINE]\n2 One\n  \n2 Two=two\n");
  ASSERT_EQ(get_outline(reader, path(), true, item), Delivery::started);
  ASSERT_EQ(next(), Delivery::entry);
  EXPECT_EQ(next(), Delivery::blank);
  EXPECT_FALSE(item.delivered);
  ASSERT_EQ(next(), Delivery::entry);
  EXPECT_EQ(delivered(), "2|Two|two");
  EXPECT_EQ(next(), Delivery::end);
}

TEST_F(OutlineDelivery, AfterADocumentTheFileIsReadAgainFromWhereItStopped) {
  tw_test::write_file(path(), "[OUTLINE]\r\n1 a.doc=\r\n2 First\r\n");
  ASSERT_EQ(get_outline(reader, path(), true, item), Delivery::started);
  ASSERT_EQ(next(), Delivery::entry);
  EXPECT_FALSE(reader.bytes.has_value());  // not held while the caller builds a.doc
  // The caller's work changed the file meanwhile; the next call sees it.
  tw_test::write_file(path(), "[OUTLINE]\r\n1 a.doc=\r\n2 Changed\r\n2 Added\r\n");
  ASSERT_EQ(next(), Delivery::entry);
  EXPECT_EQ(delivered(), "2|Changed|");
  ASSERT_EQ(next(), Delivery::entry);
  EXPECT_EQ(delivered(), "2|Added|");
  EXPECT_EQ(next(), Delivery::end);
}

TEST_F(OutlineDelivery, NothingWithoutAFileOrWithoutStarting) {
  EXPECT_EQ(next(), Delivery::end);  // never started
  EXPECT_EQ(get_outline(reader, path(), true, item), Delivery::end);
  EXPECT_EQ(next(), Delivery::end);

  // The file goes away while a document is built.
  tw_test::write_file(path(), "[OUTLINE]\r\n1 a.doc=\r\n2 First\r\n");
  ASSERT_EQ(get_outline(reader, path(), true, item), Delivery::started);
  ASSERT_EQ(next(), Delivery::entry);
  ASSERT_EQ(std::remove(path().c_str()), 0);
  EXPECT_EQ(next(), Delivery::end);
}

TEST(OutlineItem, TakesTheLineApartAtTheFirstSpaceAndTheFirstEquals) {
  const auto item = outline_item("3 a = b=c=d");
  EXPECT_EQ(item.level, "3");
  EXPECT_EQ(item.title, "a ");
  EXPECT_EQ(item.target, " b=c=d");
  const auto bare = outline_item("7");
  EXPECT_EQ(bare.level, "7");
  EXPECT_EQ(bare.title, "");
  EXPECT_EQ(bare.target, "");
}

}  // namespace
