#include "tools/helpc/hlp/picture_file.h"

#include <cstdlib>

#include "platform/text.h"
#include "tools/helpc/hlp/bytes.h"

namespace hlp {
namespace {

constexpr std::uint16_t kPictureMagic = 0x506C;
constexpr std::uint8_t kDeviceIndependent = 6;
constexpr std::uint8_t kUncompressed = 0;
constexpr std::size_t kBmpFileHeader = 14;
constexpr std::int32_t kMaxSide = 32767;

struct Dib {
  std::int32_t width = 0, height = 0;
  std::uint32_t bits = 0, colours = 0;
  std::string_view palette;
  std::string pixels;  // bottom-up rows
};

// Run-length encoded 8-bit rows unpacked into rows of stride bytes,
// bottom-up as stored; what runs past a row or the picture is cut off.
std::optional<std::string> unpack_rle8(std::string_view data, std::size_t stride, std::size_t width,
                                       std::size_t height) {
  std::string out(stride * height, '\0');
  std::size_t x = 0, y = 0, i = 0;
  auto put = [&](char value) {
    if (x < width && y < height) out[y * stride + x] = value;
    ++x;
  };
  while (i + 1 < data.size() && y < height) {
    auto count = static_cast<unsigned char>(data[i]);
    auto value = static_cast<unsigned char>(data[i + 1]);
    i += 2;
    if (count > 0) {
      for (unsigned n = 0; n < count; ++n) put(static_cast<char>(value));
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (i + 1 >= data.size()) return std::nullopt;
      x += static_cast<unsigned char>(data[i]);
      y += static_cast<unsigned char>(data[i + 1]);
      i += 2;
    } else {
      if (i + value > data.size()) return std::nullopt;
      for (unsigned n = 0; n < value; ++n) put(data[i + n]);
      i += value + (value & 1);
    }
  }
  return out;
}

std::optional<Dib> read_bmp(std::string_view bmp) {
  Reader in(bmp);
  auto magic = in.u16();
  if (!magic || *magic != 0x4D42 || !in.skip(8)) return std::nullopt;
  auto pixel_at = in.u32();
  auto header_size = in.u32();
  auto width = in.i32();
  auto height = in.i32();
  auto planes = in.u16();
  auto bits = in.u16();
  auto compression = in.u32();
  if (!pixel_at || !header_size || !width || !height || !planes || !bits || !compression) return std::nullopt;
  const bool rle8 = *compression == 1 && *bits == 8 && *height > 0;
  if (*header_size < 40 || (*compression != 0 && !rle8) || *planes != 1) return std::nullopt;
  if (*bits != 1 && *bits != 4 && *bits != 8 && *bits != 24 && *bits != 32) return std::nullopt;
  if (*width <= 0 || *width > kMaxSide || *height == 0 || std::abs(*height) > kMaxSide) return std::nullopt;
  Reader rest(bmp, kBmpFileHeader + 32);
  auto used = rest.u32();
  if (!used) return std::nullopt;
  Dib dib;
  dib.width = *width;
  dib.height = std::abs(*height);
  dib.bits = *bits;
  dib.colours = *used != 0 ? *used : (*bits <= 8 ? 1u << *bits : 0u);
  if (dib.colours > 256) return std::nullopt;
  const std::size_t palette_at = kBmpFileHeader + *header_size;
  if (palette_at + dib.colours * 4 > bmp.size()) return std::nullopt;
  dib.palette = bmp.substr(palette_at, dib.colours * 4);
  const std::size_t stride = ((static_cast<std::size_t>(dib.width) * dib.bits + 31) / 32) * 4;
  const std::size_t size = stride * static_cast<std::size_t>(dib.height);
  if (rle8) {
    if (*pixel_at > bmp.size()) return std::nullopt;
    auto pixels = unpack_rle8(bmp.substr(*pixel_at), stride, static_cast<std::size_t>(dib.width),
                              static_cast<std::size_t>(dib.height));
    if (!pixels) return std::nullopt;
    dib.pixels = std::move(*pixels);
    return dib;
  }
  if (*pixel_at > bmp.size() || bmp.size() - *pixel_at < size) return std::nullopt;
  std::string_view rows = bmp.substr(*pixel_at, size);
  if (*height > 0) {
    dib.pixels = std::string(rows);
  } else {
    for (std::int32_t r = dib.height - 1; r >= 0; --r) dib.pixels.append(rows.substr(r * stride, stride));
  }
  return dib;
}

}  // namespace

std::optional<std::string> help_picture_from_bmp(std::string_view bmp, std::string_view hotspots) {
  auto dib = read_bmp(bmp);
  if (!dib) return std::nullopt;
  Bytes picture;
  picture.u8(kDeviceIndependent);
  picture.u8(kUncompressed);
  picture.packed_u32(96);  // resolution
  picture.packed_u32(96);
  picture.packed_u16(1);  // planes
  picture.packed_u16(dib->bits);
  picture.packed_u32(static_cast<std::uint32_t>(dib->width));
  picture.packed_u32(static_cast<std::uint32_t>(dib->height));
  picture.packed_u32(dib->colours);
  picture.packed_u32(0);  // all colours important
  picture.packed_u32(static_cast<std::uint32_t>(dib->pixels.size()));
  picture.packed_u32(static_cast<std::uint32_t>(hotspots.size()));
  const std::size_t data_offset_at = picture.size();
  picture.u32(0);
  picture.u32(0);  // hotspot offset, from the picture's start
  picture.raw(dib->palette);
  picture.put_u32(data_offset_at, static_cast<std::uint32_t>(picture.size()));
  picture.raw(dib->pixels);
  if (!hotspots.empty()) {
    picture.put_u32(data_offset_at + 4, static_cast<std::uint32_t>(picture.size()));
    picture.raw(hotspots);
  }
  Bytes out;
  out.u16(kPictureMagic);
  out.u16(1);
  out.u32(8);  // the picture follows this header
  out.raw(picture.str());
  return out.take();
}

std::string picture_command(PicturePlace place, int number, int hotspots) {
  Bytes out;
  out.u8(place == PicturePlace::left ? 0x87 : place == PicturePlace::right ? 0x88 : 0x86);
  out.u8(hotspots > 0 ? 0x22 : 0x03);  // a picture of the file, with or without hotspots
  out.packed_i32(4);
  if (hotspots > 0) out.packed_u16(static_cast<std::uint32_t>(hotspots));
  out.u16(0);
  out.u16(static_cast<std::uint32_t>(number));
  return out.take();
}

std::optional<PicturePlace> picture_place(std::string_view brace_text) {
  std::string word = text::to_lower(text::trim(brace_text).substr(0, 3));
  if (word == "bmc") return PicturePlace::character;
  if (word == "bml") return PicturePlace::left;
  if (word == "bmr") return PicturePlace::right;
  return std::nullopt;
}

}  // namespace hlp
