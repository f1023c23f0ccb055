// Legacy project files name topic files and bitmaps in 8-bit bytes; the
// files on disk may be stored under UTF-8 names or under the same bytes.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/name_spellings.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace {

class LegacyNames : public tw_test::Fixture {};

TEST_F(LegacyNames, EightBitNamesFindTheirFiles) {
  tw_test::write_file(file("help/Men\xc3\xba.rtf"), "utf-8 named");       // "Menú" in UTF-8
  tw_test::write_file(file("help/\xd0\x9d\xd0\xb0.rtf"), "cyrillic");      // "На" in UTF-8
  tw_test::write_file(file("help/caf\xe9.bmp"), "same bytes");             // "café" in cp1252 bytes
  EXPECT_EQ(platform::read_file("c:\\help\\Men\xfa.rtf"), "utf-8 named");  // cp1252 in the .hpj
  EXPECT_EQ(platform::read_file("c:\\help\\MEN\xfa.RTF"), "utf-8 named");
  EXPECT_EQ(platform::read_file("c:\\help\\\xcd\xe0.rtf"), "cyrillic");    // cp1251 in the .hpj
  EXPECT_EQ(platform::read_file("c:\\help\\caf\xe9.bmp"), "same bytes");
  EXPECT_TRUE(platform::file_exists("c:\\HELP\\men\xfa.rtf"));
  EXPECT_FALSE(platform::file_exists("c:\\help\\Men\xfb.rtf"));
}

TEST(NameSpellings, OnlyEightBitNamesThatAreNoUtf8) {
  EXPECT_TRUE(platform::utf8_spellings("plain.rtf").empty());
  EXPECT_TRUE(platform::utf8_spellings("Men\xc3\xba.rtf").empty());
  EXPECT_EQ(platform::utf8_spellings("\x93q\x94"),
            (std::vector<std::string>{"\xe2\x80\x9cq\xe2\x80\x9d", "\xe2\x80\x9cq\xe2\x80\x9d"}));
  EXPECT_EQ(platform::utf8_spellings("\xe0"), (std::vector<std::string>{"\xc3\xa0", "\xd0\xb0"}));
}

}  // namespace
