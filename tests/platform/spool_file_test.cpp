// The run's scratch file: pieces read back whole, in any order, whether
// they still sit in the write buffer, lie across its edge or in the file.
#include "platform/spool_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string piece(char fill, std::size_t size) { return std::string(size, fill); }

TEST(SpoolFile, PiecesComeBackWholeInAnyOrder) {
  platform::SpoolFile spool;
  ASSERT_TRUE(spool.open());
  const std::size_t big = platform::SpoolFile::kBufferBytes;
  std::vector<std::pair<std::uint64_t, std::string>> pieces;
  for (std::string text : {piece('a', 10), piece('b', big - 5), piece('c', 3 * big),
                           std::string("\r\n\0x", 4), piece('d', 7)}) {
    pieces.emplace_back(spool.size(), text);
    ASSERT_TRUE(spool.append(text));
  }
  // The last piece is still in the buffer; the others are read back out of order.
  for (std::size_t i : {4u, 0u, 2u, 1u, 3u, 4u, 0u}) {
    std::optional<std::string> back = spool.read(pieces[i].first, pieces[i].second.size());
    ASSERT_TRUE(back) << i;
    EXPECT_EQ(*back, pieces[i].second) << i;
  }
  // Appending after reading goes on at the end.
  ASSERT_TRUE(spool.append("tail"));
  EXPECT_EQ(spool.read(spool.size() - 4, 4), "tail");
}

TEST(SpoolFile, NothingBeyondWhatWasAppended) {
  platform::SpoolFile spool;
  EXPECT_FALSE(spool.append("x"));  // not open
  ASSERT_TRUE(spool.open());
  ASSERT_TRUE(spool.append("abc"));
  EXPECT_FALSE(spool.read(1, 3));
  EXPECT_FALSE(spool.read(4, 0));
  EXPECT_EQ(spool.read(3, 0), "");
  spool.close();
  EXPECT_FALSE(spool.read(0, 1));
}

}  // namespace
