// The K index as the viewer reads it: sub-entries written "main:sub" or
// "main, sub" come right after their first level, spelled one way, and
// each stored keyword lists its topics.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tools/helpc/hlp/btree.h"
#include "tools/helpc/hlp/bytes.h"
#include "tools/helpc/hlp/keyword_files.h"

namespace {

// Each keyword of the tree in stored order, with its topics' offsets.
std::vector<std::pair<std::string, std::vector<std::int32_t>>> read_index(const hlp::KeywordIndex& index) {
  auto files = index.render();
  EXPECT_TRUE(files);
  std::vector<std::pair<std::string, std::vector<std::int32_t>>> out;
  if (!files) return out;
  auto leaves = hlp::read_leaf_pages(files->btree);
  EXPECT_TRUE(leaves);
  for (const auto& leaf : leaves.value_or(std::vector<hlp::LeafPage>{})) {
    hlp::Reader entry(leaf.bytes);
    for (int i = 0; i < leaf.entries; ++i) {
      std::string keyword(entry.sz().value_or(""));
      const auto count = entry.u16().value_or(0);
      hlp::Reader data(files->data, entry.u32().value_or(0));
      std::vector<std::int32_t> topics;
      for (unsigned n = 0; n < count; ++n) topics.push_back(data.i32().value_or(-1));
      out.emplace_back(keyword, topics);
    }
  }
  return out;
}

TEST(KeywordIndex, SubEntriesFollowTheirFirstLevelSpelledOneWay) {
  hlp::KeywordIndex index;
  // Raw byte order would put "printing 2", "printing-x" and "printing.x"
  // between "printing" and its sub-entries, splitting the group.
  index.add("Printing", 0);
  index.add("printing 2", 0);
  index.add("printing-x", 10);
  index.add("printing:to a file", 10);
  index.add("PRINTING , setup", 20);
  index.add("printing: To a File", 20);  // the same entry, another topic
  index.add("printing, to a file", 30);  // and with the comma form
  index.add(":leading", 30);             // separators at either end are text
  index.add("trailing,", 30);
  index.add("mailing:labels", 40);        // a first level never written alone
  std::vector<std::pair<std::string, std::vector<std::int32_t>>> want = {
      {":leading", {30}},
      {"mailing:labels", {40}},
      {"Printing", {0}},
      {"Printing, setup", {20}},
      {"Printing:to a file", {10, 20, 30}},
      {"printing 2", {0}},
      {"printing-x", {10}},
      {"trailing,", {30}},
  };
  EXPECT_EQ(read_index(index), want);
  EXPECT_EQ(index.size(), want.size());
}

TEST(KeywordIndex, ALinkNamesKeepTheirColonsAndCommas) {
  hlp::KeywordIndex links(false);
  links.add("Smith, John", 0);
  links.add("smith, john", 4);
  links.add("smith", 8);
  EXPECT_EQ(read_index(links), (std::vector<std::pair<std::string, std::vector<std::int32_t>>>{
                                   {"smith", {8}}, {"Smith, John", {0, 4}}}));
}

}  // namespace
