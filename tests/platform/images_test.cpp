// Reading Windows bitmaps of every depth paint programs write, refusing
// broken ones, and writing GIF and PNG files of the right size.
#include "platform/images.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "support/bitmaps.h"
#include "support/test_support.h"

namespace {

namespace img = platform::images;
using tw_test::Rgb;

const std::vector<Rgb> kPalette = {{255, 255, 255}, {200, 0, 0}, {0, 0, 200}, {0, 150, 0}};

std::vector<Rgb> padded(std::vector<Rgb> palette, std::size_t size) {
  palette.resize(size);
  return palette;
}

std::optional<img::Image> load(const std::string& bytes) {
  std::optional<img::ImageInfo> info = img::bmp_info_from_bytes(bytes);
  if (!info) return std::nullopt;
  img::Image image;
  if (!img::alloc_image(image, *info) || !img::load_bmp_from_bytes(bytes, image))
    return std::nullopt;
  return image;
}

// Red in the top left corner, blue at the bottom right, white elsewhere.
int corners(int x, int y, int w, int h) {
  if (x == 0 && y == 0) return 1;
  if (x == w - 1 && y == h - 1) return 2;
  return 0;
}

TEST(Images, EveryDepthAndRleLoadsTheRightWayUp) {
  const int w = 13, h = 5;  // odd width: rows need padding
  auto index = [&](int x, int y) { return corners(x, y, w, h); };
  struct Case {
    const char* what;
    std::string bytes;
    int bits;
  } cases[] = {
      {"1-bit", tw_test::indexed_bmp(w, h, 1, {{255, 255, 255}, {200, 0, 0}},
                                     [&](int x, int y) { return index(x, y) == 1 ? 1 : 0; }),
       1},
      {"4-bit", tw_test::indexed_bmp(w, h, 4, padded(kPalette, 16), index), 4},
      {"8-bit", tw_test::indexed_bmp(w, h, 8, padded(kPalette, 256), index), 8},
      {"24-bit", tw_test::truecolour_bmp(w, h, [&](int x, int y) { return kPalette[index(x, y)]; }),
       24},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::optional<img::ImageInfo> info = img::bmp_info_from_bytes(c.bytes);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->width, w);
    EXPECT_EQ(info->height, h);
    EXPECT_EQ(info->bits_per_pixel, c.bits);
    std::optional<img::Image> image = load(c.bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixel_rgb(0, 0), 0xC80000u);
    EXPECT_EQ(image->pixel_rgb(1, 0), 0xFFFFFFu);
    if (c.bits > 1) {
      EXPECT_EQ(image->pixel_rgb(w - 1, h - 1), 0x0000C8u);
    }
  }

  std::string rle = tw_test::rle8_bmp(w, h, padded(kPalette, 256), [](int y) { return y < 2 ? 3 : 1; });
  ASSERT_TRUE(img::bmp_info_from_bytes(rle)->compressed);
  std::optional<img::Image> image = load(rle);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixel_rgb(5, 0), 0x009600u);
  EXPECT_EQ(image->pixel_rgb(5, h - 1), 0xC80000u);
}

TEST(Images, BrokenAndHostileBitmapsAreRefusedNotCrashedOn) {
  const std::string good = tw_test::indexed_bmp(8, 8, 8, padded(kPalette, 256),
                                                [](int x, int) { return x % 4; });
  std::string huge = good;
  huge[18] = huge[19] = huge[20] = huge[21] = '\x7f';  // width far beyond any memory
  // Within the pixel limit, but so long a side that scaling it never ended.
  std::string one_long_row = good;
  one_long_row[18] = '\x0f', one_long_row[19] = 0, one_long_row[20] = 0, one_long_row[21] = 3;
  one_long_row[22] = 1, one_long_row[23] = one_long_row[24] = one_long_row[25] = 0;
  std::string zero_width = good;
  zero_width[18] = zero_width[19] = zero_width[20] = zero_width[21] = 0;
  std::string odd_depth = good;
  odd_depth[28] = 7;
  EXPECT_FALSE(img::bmp_info_from_bytes(huge));
  EXPECT_FALSE(img::bmp_info_from_bytes(one_long_row));
  EXPECT_FALSE(img::bmp_info_from_bytes(zero_width));
  EXPECT_FALSE(img::bmp_info_from_bytes(odd_depth));
  EXPECT_FALSE(img::bmp_info_from_bytes("GIF89a not a bitmap at all, but long enough"));
  EXPECT_FALSE(img::bmp_info_from_bytes(good.substr(0, 20)));

  // Every cut of a plain and of an RLE bitmap: refused or loaded, never a crash.
  std::string rle = tw_test::rle8_bmp(8, 8, padded(kPalette, 256), [](int y) { return y % 4; });
  for (const std::string& bytes : {good, rle}) {
    for (std::size_t size = 0; size < bytes.size(); ++size) {
      std::string cut = bytes.substr(0, size);
      std::optional<img::ImageInfo> info = img::bmp_info_from_bytes(cut);
      if (!info) continue;
      img::Image image;
      ASSERT_TRUE(img::alloc_image(image, *info));
      img::load_bmp_from_bytes(cut, image);
      EXPECT_EQ(image.width(), 8);
    }
  }
  // A picture loaded into an image of another size is refused.
  img::Image small;
  ASSERT_TRUE(img::alloc_image(small, {4, 4, 8, false}));
  EXPECT_FALSE(img::load_bmp_from_bytes(good, small));
  EXPECT_EQ(small.width(), 4);
}

class ImageFiles : public tw_test::Fixture {
 protected:
  img::Image picture() {
    std::string bytes = tw_test::truecolour_bmp(
        30, 20, [](int x, int) { return x < 10 ? Rgb{255, 0, 255} : Rgb{0, 90, 180}; });
    std::optional<img::Image> image = load(bytes);
    EXPECT_TRUE(image);
    return std::move(*image);
  }
  std::string saved(const std::string& name) { return tw_test::read_file(file(name)); }
  std::string path(const std::string& name) { return platform::to_system_path(file(name)); }
};

int le16(const std::string& bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

TEST_F(ImageFiles, GifAndPngKeepTheSizeAndMarkTheBackgroundTransparentWhenAsked) {
  img::Image image = picture();
  ASSERT_TRUE(img::save_gif(path("plain.gif"), image));
  ASSERT_TRUE(img::save_transparent_gif(path("clear.gif"), image));
  ASSERT_TRUE(img::save_png(path("plain.png"), image, false));
  ASSERT_TRUE(img::save_png(path("clear.png"), image, true));

  const std::string plain = saved("plain.gif"), clear = saved("clear.gif");
  for (const std::string& gif : {plain, clear}) {
    ASSERT_EQ(gif.substr(0, 4), "GIF8");
    EXPECT_EQ(le16(gif, 6), 30);
    EXPECT_EQ(le16(gif, 8), 20);
  }
  // The graphic control extension with its transparency flag.
  const std::string control("\x21\xF9\x04", 3);
  std::size_t at = clear.find(control);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(clear[at + 3] & 1, 1);
  at = plain.find(control);
  EXPECT_TRUE(at == std::string::npos || (plain[at + 3] & 1) == 0);

  const std::string png = saved("plain.png");
  ASSERT_EQ(png.substr(1, 3), "PNG");
  EXPECT_EQ(static_cast<unsigned char>(png[19]), 30);  // IHDR width, big-endian
  EXPECT_EQ(static_cast<unsigned char>(png[23]), 20);
  EXPECT_EQ(png.find("tRNS"), std::string::npos);
  EXPECT_NE(saved("clear.png").find("tRNS"), std::string::npos);
  // Saving transparent leaves the picture itself as it was.
  ASSERT_TRUE(img::save_png(path("again.png"), image, false));
  EXPECT_EQ(saved("again.png"), png);

  img::Image preview = img::scaled_to_fit(image, 12, 12);
  EXPECT_EQ(preview.width(), 12);
  EXPECT_EQ(preview.height(), 8);
  img::free_image(image);
  EXPECT_TRUE(image.empty());
  EXPECT_FALSE(img::save_gif(path("empty.gif"), image));
}

}  // namespace
