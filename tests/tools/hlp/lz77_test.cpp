// The topic blocks' LZ77 form: round trips of text as topics hold it, runs
// longer than a reference copies, and damaged input.
#include <gtest/gtest.h>

#include <string>

#include "tools/helpc/hlp/lz77.h"

namespace {

std::string unpacked(const std::string& data) {
  return hlp::lz77_decompress(hlp::lz77_compress(data), 1 << 20).value_or("<damaged>");
}

TEST(Lz77, RoundTripsTextRunsAndBinary) {
  EXPECT_EQ(hlp::lz77_compress(""), "");
  EXPECT_EQ(unpacked("ab"), "ab");
  std::string text;
  for (int i = 0; i < 200; ++i) text += "The topic \x92s text, paragraph " + std::to_string(i) + ".\r\n";
  EXPECT_EQ(unpacked(text), text);
  EXPECT_LT(hlp::lz77_compress(text).size(), text.size() / 2);
  const std::string zeros(10000, '\0');  // references that overlap what they copy
  EXPECT_EQ(unpacked(zeros), zeros);
  EXPECT_LT(hlp::lz77_compress(zeros).size(), 1300u);
  std::string binary;
  for (unsigned i = 0; i < 5000; ++i) binary += static_cast<char>((i * 2654435761u) >> 13);
  EXPECT_EQ(unpacked(binary), binary);
  // Literals alone: nine bits a byte, never more.
  EXPECT_LE(hlp::lz77_compress(binary).size(), binary.size() + (binary.size() + 7) / 8);
}

TEST(Lz77, MatchesFartherThanTheWindowAreNotUsed) {
  std::string data = "0123456789abcdef";
  data += std::string(5000, 'x');
  data += "0123456789abcdef";
  EXPECT_EQ(unpacked(data), data);
}

TEST(Lz77, DamagedInputStopsSafely) {
  // A reference before the start.
  EXPECT_FALSE(hlp::lz77_decompress(std::string("\x01\x05\x00", 3), 100));
  // A reference cut off by the end: what came before it.
  EXPECT_EQ(hlp::lz77_decompress(std::string("\x02" "a\x00", 3), 100), "a");
  // Output stops at the limit.
  EXPECT_EQ(hlp::lz77_decompress(hlp::lz77_compress(std::string(500, 'q')), 10), std::string(10, 'q'));
}

}  // namespace
