// The single-byte Windows code pages: bytes to Unicode and back.
#include <gtest/gtest.h>

#include "platform/code_pages.h"

namespace {

TEST(CodePages, BytesAndCharactersOfKnownCodePages) {
  EXPECT_EQ(platform::unicode_of_byte(0xE9, 1252), 0xE9u);           // é
  EXPECT_EQ(platform::unicode_of_byte(0x80, 1252), 0x20ACu);         // €
  EXPECT_EQ(platform::unicode_of_byte(0xE2, 1251), 0x0432u);         // в
  EXPECT_EQ(platform::unicode_of_byte(0xA8, 1257), 0x00D8u);         // Ø
  EXPECT_EQ(platform::byte_in_code_page(0x0432, 1251), 0xE2);
  EXPECT_EQ(platform::byte_in_code_page(0x2019, 1250), 0x92);        // ’ sits alike in them all
  EXPECT_EQ(platform::byte_in_code_page(0x00D8, 1252), 0xD8);
  EXPECT_EQ(platform::byte_in_code_page(0x0432, 1252), std::nullopt);  // no Cyrillic in 1252
  EXPECT_EQ(platform::unicode_of_byte(0x81, 1252), std::nullopt);      // unassigned
}

TEST(CodePages, OtherCodePagesAreUnknown) {
  for (int code_page : {1252, 1250, 1251, 1253, 1254, 1255, 1256, 1257, 1258, 874})
    EXPECT_TRUE(platform::known_code_page(code_page)) << code_page;
  for (int code_page : {0, 437, 932, 65001, -1}) {
    EXPECT_FALSE(platform::known_code_page(code_page)) << code_page;
    EXPECT_EQ(platform::unicode_of_byte(0xE9, code_page), std::nullopt);
    EXPECT_EQ(platform::byte_in_code_page(0xE9, code_page), std::nullopt);
  }
}

}  // namespace
