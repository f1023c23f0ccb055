// Pictures: reading Windows bitmaps and writing GIF and PNG files. The calls
// follow the image library the conversion was built around (information,
// allocation, loading, saving, freeing); one file implements them with libgd,
// so no other code sees that library. Paths are system paths (paths.h).
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform::images {

// What a bitmap's header says about the picture.
struct ImageInfo {
  int width = 0;
  int height = 0;
  int bits_per_pixel = 0;
  bool compressed = false;  // RLE-encoded pixels
};

// Pictures larger than this are refused before any memory is taken for them.
inline constexpr long long kMaxPixels = 64LL * 1024 * 1024;
// Nor is either side longer than this: the resampler counts source pixels in
// single precision, so a side past 2^24 never reaches its end and scaling
// such a picture would hang (a damaged header of a few bytes is enough).
inline constexpr int kMaxSide = 65536;

// A picture in memory. Move-only; freed by free_image or when it goes.
class Image {
 public:
  Image() = default;
  ~Image();
  Image(Image&& other) noexcept;
  Image& operator=(Image&& other) noexcept;
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  bool empty() const { return handle_ == nullptr; }
  int width() const;
  int height() const;
  // The colour of one pixel as 0xRRGGBB; 0 outside the picture.
  unsigned pixel_rgb(int x, int y) const;

 private:
  friend struct ImageAccess;
  void* handle_ = nullptr;
};

// Reads the bitmap's header (".bmp" and ".dib": the Windows and the OS/2
// forms); nullopt when the file is missing or is no bitmap this reader
// knows.
std::optional<ImageInfo> bmp_info(std::string_view path);
std::optional<ImageInfo> bmp_info_from_bytes(std::string_view bytes);

// Makes an empty picture of the given size and depth; false when the size
// is out of range or the memory cannot be had.
bool alloc_image(Image& image, const ImageInfo& info);

// Loads the bitmap into an allocated picture of the same size; false (the
// picture left as it was) when the file cannot be read or decoded.
bool load_bmp(std::string_view path, Image& image);
bool load_bmp_from_bytes(std::string_view bytes, Image& image);

// Writes the picture as a GIF; the transparent form makes the colour of the
// top left pixel (the picture's background) transparent. False when the
// file cannot be written.
bool save_gif(std::string_view path, const Image& image);
bool save_transparent_gif(std::string_view path, const Image& image);

// Writes the picture as a PNG, keeping every colour; transparent as above.
bool save_png(std::string_view path, const Image& image, bool transparent);

// The picture scaled to fit width by height, keeping its proportions (for
// previews); an empty picture when the source is empty.
Image scaled_to_fit(const Image& image, int width, int height);

void free_image(Image& image);

}  // namespace platform::images
