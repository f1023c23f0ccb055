// The help file's container and B+ trees, written and read back by our own
// reader: names in directory order, sizes, bytes, and damaged input.
#include <gtest/gtest.h>

#include <string>

#include "tools/helpc/hlp/btree.h"
#include "tools/helpc/hlp/bytes.h"
#include "tools/helpc/hlp/file_system.h"

namespace {

TEST(HelpFileSystem, ListsFilesInNameOrderWithSizesAndBytes) {
  hlp::FileSystemWriter writer;
  writer.add("|TOPIC", std::string(5000, 'x'));
  writer.add("|SYSTEM", "abc");
  writer.add("|CONTEXT", "");
  writer.add("|bm0", "BM");
  auto bytes = writer.render();
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->substr(0, 4), std::string("\x3F\x5F\x03\x00", 4));
  hlp::Reader head(*bytes, 12);
  EXPECT_EQ(head.u32(), bytes->size());  // the header states the whole size

  auto reader = hlp::FileSystemReader::open(*bytes);
  ASSERT_TRUE(reader);
  std::vector<std::string> names;
  for (const auto& f : reader->files()) names.push_back(f.name + "=" + std::to_string(f.size));
  EXPECT_EQ(names, (std::vector<std::string>{"|CONTEXT=0", "|SYSTEM=3", "|TOPIC=5000", "|bm0=2"}));
  EXPECT_EQ(reader->file("|SYSTEM"), "abc");
  EXPECT_EQ(reader->file("|TOPIC")->size(), 5000u);
  EXPECT_FALSE(reader->file("|FONT"));
}

TEST(HelpFileSystem, DirectoryOfManyFilesGrowsIndexPages) {
  hlp::FileSystemWriter writer;
  for (int i = 0; i < 3000; ++i) writer.add("|bm" + std::to_string(i), std::to_string(i));
  auto bytes = writer.render();
  ASSERT_TRUE(bytes);
  auto reader = hlp::FileSystemReader::open(*bytes);
  ASSERT_TRUE(reader);
  ASSERT_EQ(reader->files().size(), 3000u);
  for (std::size_t i = 1; i < reader->files().size(); ++i)
    EXPECT_LT(reader->files()[i - 1].name, reader->files()[i].name);
  EXPECT_EQ(reader->file("|bm2999"), "2999");
}

TEST(HelpFileSystem, BtreeOfThreeLevelsIsWalkedLeafByLeaf) {
  std::vector<hlp::BtreeEntry> entries;
  for (int i = 0; i < 20000; ++i) {
    hlp::Bytes key;
    key.i32(i);
    entries.push_back(hlp::BtreeEntry{key.take(), "data"});
  }
  auto tree = hlp::build_btree(entries, hlp::BtreeLayout{hlp::kBtreeFlags, 64, "L4"});
  ASSERT_TRUE(tree);
  auto header = hlp::read_btree_header(tree->bytes);
  ASSERT_TRUE(header);
  EXPECT_GE(header->levels, 3);
  EXPECT_EQ(header->entries, 20000);
  EXPECT_EQ(header->root_page, header->total_pages - 1);
  auto leaves = hlp::read_leaf_pages(tree->bytes);
  ASSERT_TRUE(leaves);
  int seen = 0;
  for (const auto& leaf : *leaves) {
    hlp::Reader in(leaf.bytes);
    for (int i = 0; i < leaf.entries; ++i, ++seen) {
      EXPECT_EQ(in.i32(), seen);
      in.skip(4);
    }
  }
  EXPECT_EQ(seen, 20000);
  EXPECT_EQ(tree->leaves.size(), leaves->size());
}

TEST(HelpFileSystem, EntryTooLargeForAPageIsRefused) {
  std::vector<hlp::BtreeEntry> entries{{std::string(3000, 'k'), "d"}};
  EXPECT_FALSE(hlp::build_btree(entries, hlp::BtreeLayout{}));
}

TEST(HelpFileSystem, DamagedFilesAreRefusedNotOverrun) {
  hlp::FileSystemWriter writer;
  writer.add("|SYSTEM", "abc");
  std::string good = *writer.render();
  EXPECT_FALSE(hlp::FileSystemReader::open(""));
  EXPECT_FALSE(hlp::FileSystemReader::open("not a help file at all"));
  for (std::size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_FALSE(hlp::FileSystemReader::open(good.substr(0, cut))) << cut;
  std::string bad_directory = good;
  bad_directory[4] = '\x7F';  // directory offset points nowhere
  EXPECT_FALSE(hlp::FileSystemReader::open(bad_directory));
}

}  // namespace
