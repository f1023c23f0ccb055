// The picture calls of images.h, made with libgd. Bitmap headers are checked
// here before libgd sees the bytes, so a hostile size never reaches its
// allocator.
#include <gd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/files.h"
#include "platform/images.h"

namespace platform::images {

struct ImageAccess {
  static gdImagePtr get(const Image& image) { return static_cast<gdImagePtr>(image.handle_); }
  static void set(Image& image, gdImagePtr handle) {
    free_image(image);
    image.handle_ = handle;
  }
  static gdImagePtr release(Image& image) {
    gdImagePtr im = get(image);
    image.handle_ = nullptr;
    return im;
  }
};

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;  // the OS/2 form
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kRle8 = 1, kRle4 = 2;

std::uint32_t le(std::string_view bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

bool known_depth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

gdImagePtr gd(const Image& image) { return ImageAccess::get(image); }

// Hands encoded bytes from libgd to the file writer and frees them.
bool write_encoded(std::string_view path, void* data, int size) {
  if (data == nullptr || size <= 0) return false;
  bool ok = write_file(path, std::string_view(static_cast<const char*>(data),
                                              static_cast<std::size_t>(size)),
                       Durability::unflushed);
  gdFree(data);
  return ok;
}

// A palette copy of the picture with its background colour transparent.
gdImagePtr transparent_palette_copy(gdImagePtr source) {
  gdImagePtr copy = gdImageTrueColor(source) ? gdImageCreatePaletteFromTrueColor(source, 1, 256)
                                             : gdImageClone(source);
  if (copy != nullptr) gdImageColorTransparent(copy, gdImageGetPixel(copy, 0, 0));
  return copy;
}

}  // namespace

Image::~Image() { free_image(*this); }

Image::Image(Image&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }

Image& Image::operator=(Image&& other) noexcept {
  if (this != &other) {
    free_image(*this);
    handle_ = other.handle_;
    other.handle_ = nullptr;
  }
  return *this;
}

int Image::width() const { return empty() ? 0 : gdImageSX(gd(*this)); }
int Image::height() const { return empty() ? 0 : gdImageSY(gd(*this)); }

unsigned Image::pixel_rgb(int x, int y) const {
  gdImagePtr im = gd(*this);
  if (im == nullptr || !gdImageBoundsSafe(im, x, y)) return 0;
  int colour = gdImageGetPixel(im, x, y);
  return static_cast<unsigned>(gdImageRed(im, colour) << 16 | gdImageGreen(im, colour) << 8 |
                               gdImageBlue(im, colour));
}

std::optional<ImageInfo> bmp_info_from_bytes(std::string_view bytes) {
  if (bytes.size() < kFileHeaderBytes + kCoreHeaderBytes || bytes.substr(0, 2) != "BM")
    return std::nullopt;
  std::uint32_t header = le(bytes, kFileHeaderBytes, 4);
  ImageInfo info;
  std::int64_t height = 0;
  if (header == kCoreHeaderBytes) {
    info.width = static_cast<int>(le(bytes, 18, 2));
    height = le(bytes, 20, 2);
    info.bits_per_pixel = static_cast<int>(le(bytes, 24, 2));
  } else if (header >= kInfoHeaderBytes && bytes.size() >= kFileHeaderBytes + kInfoHeaderBytes) {
    info.width = static_cast<std::int32_t>(le(bytes, 18, 4));
    height = static_cast<std::int32_t>(le(bytes, 22, 4));
    info.bits_per_pixel = static_cast<int>(le(bytes, 28, 2));
    std::uint32_t compression = le(bytes, 30, 4);
    info.compressed = compression == kRle8 || compression == kRle4;
  } else {
    return std::nullopt;
  }
  height = std::llabs(height);  // negative: stored top row first
  if (info.width <= 0 || height <= 0 || !known_depth(info.bits_per_pixel)) return std::nullopt;
  if (info.width > kMaxSide || height > kMaxSide) return std::nullopt;
  if (static_cast<long long>(info.width) * height > kMaxPixels) return std::nullopt;
  info.height = static_cast<int>(height);
  return info;
}

std::optional<ImageInfo> bmp_info(std::string_view path) {
  std::optional<std::string> bytes = read_file(path);
  if (!bytes) return std::nullopt;
  return bmp_info_from_bytes(*bytes);
}

bool alloc_image(Image& image, const ImageInfo& info) {
  if (info.width <= 0 || info.height <= 0 || info.width > kMaxSide || info.height > kMaxSide ||
      static_cast<long long>(info.width) * info.height > kMaxPixels)
    return false;
  gdImagePtr im = info.bits_per_pixel > 8 ? gdImageCreateTrueColor(info.width, info.height)
                                          : gdImageCreate(info.width, info.height);
  if (im == nullptr) return false;
  ImageAccess::set(image, im);
  return true;
}

bool load_bmp_from_bytes(std::string_view bytes, Image& image) {
  std::optional<ImageInfo> info = bmp_info_from_bytes(bytes);
  if (!info || image.empty()) return false;
  if (info->width != image.width() || info->height != image.height()) return false;
  gdImagePtr loaded = gdImageCreateFromBmpPtr(static_cast<int>(bytes.size()),
                                              const_cast<char*>(bytes.data()));
  if (loaded == nullptr) return false;
  if (gdImageSX(loaded) != info->width || gdImageSY(loaded) != info->height) {
    gdImageDestroy(loaded);
    return false;
  }
  ImageAccess::set(image, loaded);
  return true;
}

bool load_bmp(std::string_view path, Image& image) {
  std::optional<std::string> bytes = read_file(path);
  return bytes && load_bmp_from_bytes(*bytes, image);
}

bool save_gif(std::string_view path, const Image& image) {
  if (image.empty()) return false;
  int size = 0;
  void* data = gdImageGifPtr(gd(image), &size);
  return write_encoded(path, data, size);
}

bool save_transparent_gif(std::string_view path, const Image& image) {
  if (image.empty()) return false;
  gdImagePtr copy = transparent_palette_copy(gd(image));
  if (copy == nullptr) return false;
  int size = 0;
  void* data = gdImageGifPtr(copy, &size);
  gdImageDestroy(copy);
  return write_encoded(path, data, size);
}

bool save_png(std::string_view path, const Image& image, bool transparent) {
  if (image.empty()) return false;
  gdImagePtr im = gd(image);
  int before = gdImageGetTransparent(im);
  if (transparent) gdImageColorTransparent(im, gdImageGetPixel(im, 0, 0));
  int size = 0;
  void* data = gdImagePngPtr(im, &size);
  gdImageColorTransparent(im, before);
  return write_encoded(path, data, size);
}

Image scaled_to_fit(const Image& image, int width, int height) {
  Image scaled;
  if (image.empty() || width <= 0 || height <= 0) return scaled;
  double scale = std::min(1.0, std::min(static_cast<double>(width) / image.width(),
                                        static_cast<double>(height) / image.height()));
  int w = std::max(1, static_cast<int>(image.width() * scale));
  int h = std::max(1, static_cast<int>(image.height() * scale));
  gdImagePtr out = gdImageCreateTrueColor(w, h);
  if (out == nullptr) return scaled;
  gdImageCopyResampled(out, gd(image), 0, 0, 0, 0, w, h, image.width(), image.height());
  ImageAccess::set(scaled, out);
  return scaled;
}

void free_image(Image& image) {
  if (gdImagePtr im = ImageAccess::release(image)) gdImageDestroy(im);
}

}  // namespace platform::images
