// Windows bitmaps stored as help file pictures: the picture header read
// back field by field, rows in the order the viewer draws them, run-length
// encoded bitmaps unpacked, and damaged files refused.
#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"
#include "tools/helpc/hlp/bytes.h"
#include "tools/helpc/hlp/context_hash.h"
#include "tools/helpc/hlp/hotspot_picture.h"
#include "tools/helpc/hlp/picture_file.h"

namespace {

std::string bmp(std::int32_t width, std::int32_t height, int bits, int compression, int colours,
                const std::string& pixels) {
  hlp::Bytes info;
  info.u32(40);
  info.i32(width);
  info.i32(height);
  info.u16(1);
  info.u16(static_cast<std::uint32_t>(bits));
  info.u32(static_cast<std::uint32_t>(compression));
  info.u32(static_cast<std::uint32_t>(pixels.size()));
  info.u32(2835);
  info.u32(2835);
  info.u32(static_cast<std::uint32_t>(colours));
  info.u32(0);
  for (int i = 0; i < colours; ++i) info.u32(0x00010203u * static_cast<std::uint32_t>(i));
  hlp::Bytes file;
  file.u16(0x4D42);
  file.u32(static_cast<std::uint32_t>(14 + info.size() + pixels.size()));
  file.u32(0);
  file.u32(static_cast<std::uint32_t>(14 + info.size()));
  return file.str() + info.str() + pixels;
}

struct Stored {
  std::uint32_t bits = 0, width = 0, height = 0, colours = 0, size = 0;
  std::string palette, pixels;
};

Stored read_back(const std::string& picture) {
  hlp::Reader in(picture);
  EXPECT_EQ(in.u16(), 0x506Cu);
  EXPECT_EQ(in.u16(), 1u);
  EXPECT_EQ(in.u32(), 8u);
  EXPECT_EQ(in.u8(), 6u);  // device independent
  EXPECT_EQ(in.u8(), 0u);  // not packed
  Stored s;
  in.packed_u32();
  in.packed_u32();
  EXPECT_EQ(in.packed_u16(), 1u);
  s.bits = *in.packed_u16();
  s.width = *in.packed_u32();
  s.height = *in.packed_u32();
  s.colours = *in.packed_u32();
  in.packed_u32();
  s.size = *in.packed_u32();
  EXPECT_EQ(in.packed_u32(), 0u);
  std::uint32_t data_at = *in.u32();
  in.u32();
  s.palette = picture.substr(in.at(), s.colours * 4);
  s.pixels = picture.substr(8 + data_at);
  return s;
}

TEST(HelpPicture, PalettedBitmapKeepsItsPaletteAndRows) {
  const std::string rows("\x01\x20\x00\x00\x30\x40\x00\x00", 8);  // 3 pixels of 4 bits, rows of 4 bytes
  auto picture = hlp::help_picture_from_bmp(bmp(3, 2, 4, 0, 16, rows));
  ASSERT_TRUE(picture);
  Stored s = read_back(*picture);
  EXPECT_EQ(s.bits, 4u);
  EXPECT_EQ(s.width, 3u);
  EXPECT_EQ(s.height, 2u);
  EXPECT_EQ(s.colours, 16u);
  EXPECT_EQ(s.palette.substr(4, 4), std::string("\x03\x02\x01\x00", 4));
  EXPECT_EQ(s.size, 8u);
  EXPECT_EQ(s.pixels, rows);
}

TEST(HelpPicture, TopDownBitmapIsStoredBottomUp) {
  const std::string top_down("\x01\x01\x01\x00\x02\x02\x02\x00", 8);  // 1 pixel of 24 bits a row
  auto picture = hlp::help_picture_from_bmp(bmp(1, -2, 24, 0, 0, top_down));
  ASSERT_TRUE(picture);
  Stored s = read_back(*picture);
  EXPECT_EQ(s.height, 2u);
  EXPECT_EQ(s.colours, 0u);
  EXPECT_EQ(s.pixels, std::string("\x02\x02\x02\x00\x01\x01\x01\x00", 8));
}

TEST(HelpPicture, RunLengthEncodedBitmapIsUnpacked) {
  // Row 0: a run of three 7s; row 1: absolute 1 2 3 (padded), end.
  const std::string rle("\x03\x07\x00\x00\x00\x03\x01\x02\x03\x00\x00\x01", 12);
  auto picture = hlp::help_picture_from_bmp(bmp(3, 2, 8, 1, 4, rle));
  ASSERT_TRUE(picture);
  Stored s = read_back(*picture);
  EXPECT_EQ(s.pixels, std::string("\x07\x07\x07\x00\x01\x02\x03\x00", 8));
  // Runs past the row or a delta past the picture are cut off, not written.
  EXPECT_TRUE(hlp::help_picture_from_bmp(bmp(3, 2, 8, 1, 4, std::string("\xFF\x07\x00\x02\x50\x50\x09\x09", 8))));
}

TEST(HelpPicture, DamagedOrForeignFilesAreRefused) {
  const std::string rows("\x01\x20\x00\x00\x30\x40\x00\x00", 8);
  const std::string good = bmp(3, 2, 4, 0, 16, rows);
  for (std::size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_FALSE(hlp::help_picture_from_bmp(good.substr(0, cut))) << cut;
  EXPECT_FALSE(hlp::help_picture_from_bmp(bmp(3, 2, 16, 3, 0, rows)));       // bit fields
  EXPECT_FALSE(hlp::help_picture_from_bmp(bmp(100000, 2, 4, 0, 16, rows)));  // no such width
  EXPECT_FALSE(hlp::help_picture_from_bmp(bmp(3, 2, 8, 0, 300, rows)));      // palette too long
  EXPECT_FALSE(hlp::help_picture_from_bmp("lP\x01\x00"));
}

TEST(HelpPicture, CommandNamesThePlaceAndNumber) {
  EXPECT_EQ(hlp::picture_place("bmct banner.bmp"), hlp::PicturePlace::character);
  EXPECT_EQ(hlp::picture_place(" BMLwd a.bmp"), hlp::PicturePlace::left);
  EXPECT_EQ(hlp::picture_place("bmr a.bmp"), hlp::PicturePlace::right);
  EXPECT_FALSE(hlp::picture_place("button x"));
  EXPECT_EQ(hlp::picture_command(hlp::PicturePlace::right, 258), std::string("\x88\x03\x08\x80\x00\x00\x02\x01", 8));
}

}  // namespace

// A hotspot file that holds regions but no picture (as the bundled
// sample's screen.shg): its table goes onto the bitmap of the same name,
// each jump filed under its context's number, one bound to a window taking
// the kind whose binding the viewer reads as written.
TEST(HelpPicture, HotspotsWithoutAPictureGoOntoTheBitmap) {
  const std::string shg = tw_test::read_file(std::string(TW_SAMPLE_DIR) + "/screen.shg");
  auto table = hlp::hotspots_without_picture(shg);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->size(), 7u + 2 * 15 + 4 + std::string("welcome IDH_welcome printing IDH_printing>main ").size());
  const std::string pixels(4 * 2, '\x01');
  auto picture = hlp::help_picture_from_bmp(bmp(4, 2, 8, 0, 2, pixels), *table);
  ASSERT_TRUE(picture);
  auto stored = hlp::help_picture_from_picture_file(*picture);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->hotspots, 2);
  const std::size_t records = stored->bytes.size() - table->size() + 7;
  EXPECT_EQ(static_cast<unsigned char>(stored->bytes[records]), 0xE7u);
  EXPECT_EQ(static_cast<unsigned char>(stored->bytes[records + 15]), 0xEFu);
  hlp::Reader hash(stored->bytes, records + 11);
  EXPECT_EQ(hash.i32(), hlp::context_hash("IDH_welcome"));
  EXPECT_EQ(stored->bytes.substr(stored->bytes.size() - 18), std::string("IDH_printing>main\0", 18));

  // A file with a picture of its own, and tables cut short, are not taken.
  std::string with_picture = shg;
  with_picture[4] = 8;
  EXPECT_FALSE(hlp::hotspots_without_picture(with_picture));
  for (std::size_t cut : {std::size_t{30}, std::size_t{50}, shg.size() - 1})
    EXPECT_FALSE(hlp::hotspots_without_picture(shg.substr(0, cut))) << cut;
}
