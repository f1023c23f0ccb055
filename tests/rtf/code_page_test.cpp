#include "rtf/code_page.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, BytesAndCharactersBothWays) {
  EXPECT_EQ(rtf::unicode_from_byte(0xE0, 1251), 0x0430u);
  EXPECT_EQ(rtf::unicode_from_byte(0xE0, 1252), 0x00E0u);
  EXPECT_EQ(rtf::unicode_from_byte(0x80, 1252), 0x20ACu);
  EXPECT_EQ(rtf::unicode_from_byte(0x81, 1252), 0x81u);  // unassigned: itself
  EXPECT_EQ(rtf::unicode_from_byte(0xE0, 866), 0x00E0u);  // unknown code page: read as 1252
  EXPECT_EQ(rtf::byte_from_unicode(0x0430, 1251), 0xE0);
  EXPECT_EQ(rtf::byte_from_unicode(0x0430, 1252), std::nullopt);
  EXPECT_EQ(rtf::byte_from_unicode(0x2019, 1251), 0x92);
  EXPECT_EQ(rtf::byte_from_unicode(U'A', 1253), 'A');
  for (int page : {1250, 1251, 1252, 1253, 1254, 1257}) {
    for (int b = 0x80; b < 0x100; ++b) {
      std::uint32_t c = rtf::unicode_from_byte(static_cast<unsigned char>(b), page);
      if (c >= 0x100 || c == static_cast<std::uint32_t>(b)) {
        EXPECT_EQ(rtf::byte_from_unicode(c, page), b) << page << " " << b;
      }
    }
  }
}

TEST(CodePage, FromCharsetsLocalesAndNames) {
  EXPECT_EQ(rtf::code_page_of_charset(204), 1251);
  EXPECT_EQ(rtf::code_page_of_charset(0), 1252);
  EXPECT_EQ(rtf::code_page_of_charset(2), 0);  // symbol fonts
  EXPECT_EQ(rtf::code_page_of_lcid(0x419), 1251);
  EXPECT_EQ(rtf::code_page_of_lcid(0x422), 1251);
  EXPECT_EQ(rtf::code_page_of_lcid(0x405), 1250);
  EXPECT_EQ(rtf::code_page_of_lcid(0x409), 1252);
  EXPECT_EQ(rtf::code_page_of_lcid(0x411), 1252);  // a page this reader lacks: the default
  EXPECT_EQ(rtf::charset_name(1251), "windows-1251");
  EXPECT_EQ(rtf::charset_name(932), "windows-1252");
  EXPECT_EQ(rtf::code_page_of_charset_name("Windows-1251"), 1251);
  EXPECT_EQ(rtf::code_page_of_charset_name("ISO-8859-1"), 1252);
  EXPECT_EQ(rtf::code_page_of_charset_name("utf-8"), 0);
}

}  // namespace
