// Windows bitmaps made in memory for the picture tests, written the way
// paint programs write them: bottom row first, rows padded to four bytes.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tw_test {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

inline void put_le(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

// compression: 0 plain, 1 RLE8, 2 RLE4.
inline std::string bmp_file(int width, int height, int bits, const std::vector<Rgb>& palette,
                            const std::string& pixels, int compression = 0) {
  std::string info;
  put_le(info, 40, 4);
  put_le(info, static_cast<std::uint32_t>(width), 4);
  put_le(info, static_cast<std::uint32_t>(height), 4);
  put_le(info, 1, 2);
  put_le(info, static_cast<std::uint32_t>(bits), 2);
  put_le(info, static_cast<std::uint32_t>(compression), 4);
  put_le(info, static_cast<std::uint32_t>(pixels.size()), 4);
  put_le(info, 2835, 4);
  put_le(info, 2835, 4);
  put_le(info, static_cast<std::uint32_t>(palette.size()), 4);
  put_le(info, 0, 4);
  for (const Rgb& c : palette) info += std::string{char(c.b), char(c.g), char(c.r), 0};
  std::string out = "BM";
  const std::uint32_t offset = static_cast<std::uint32_t>(14 + info.size());
  put_le(out, offset + static_cast<std::uint32_t>(pixels.size()), 4);
  put_le(out, 0, 4);
  put_le(out, offset, 4);
  return out + info + pixels;
}

// A palette picture of 1, 4 or 8 bits per pixel: index(x, y), y = 0 at the top.
inline std::string indexed_bmp(int width, int height, int bits, const std::vector<Rgb>& palette,
                               const std::function<int(int, int)>& index) {
  std::string pixels;
  for (int y = height - 1; y >= 0; --y) {
    std::string row;
    int per_byte = 8 / bits, acc = 0, filled = 0;
    for (int x = 0; x < width; ++x) {
      acc = acc << bits | index(x, y);
      if (++filled == per_byte) {
        row += static_cast<char>(acc);
        acc = filled = 0;
      }
    }
    if (filled > 0) row += static_cast<char>(acc << (bits * (per_byte - filled)));
    while (row.size() % 4 != 0) row += '\0';
    pixels += row;
  }
  return bmp_file(width, height, bits, palette, pixels);
}

// A 24-bit picture: colour(x, y), y = 0 at the top.
inline std::string truecolour_bmp(int width, int height, const std::function<Rgb(int, int)>& colour) {
  std::string pixels;
  for (int y = height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      Rgb c = colour(x, y);
      row += std::string{char(c.b), char(c.g), char(c.r)};
    }
    while (row.size() % 4 != 0) row += '\0';
    pixels += row;
  }
  return bmp_file(width, height, 24, {}, pixels);
}

// An RLE8 picture whose rows are each one run of index(y) (y = 0 at the top).
inline std::string rle8_bmp(int width, int height, const std::vector<Rgb>& palette,
                            const std::function<int(int)>& index) {
  std::string data;
  for (int y = height - 1; y >= 0; --y) {
    data += static_cast<char>(width);
    data += static_cast<char>(index(y));
    data += std::string("\0\0", 2);  // end of line
  }
  data += std::string("\0\1", 2);  // end of picture
  return bmp_file(width, height, 8, palette, data, 1);
}

}  // namespace tw_test
