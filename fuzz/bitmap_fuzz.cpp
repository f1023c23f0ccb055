// Windows bitmaps as the picture conversion and the preview read them: the
// header check, then the decoder on whatever the header let through.
#include "fuzz/fuzz_support.h"
#include "platform/images.h"

namespace {
constexpr long long kFuzzMaxPixels = 1024 * 1024;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace img = platform::images;
  const std::string_view bytes = fuzz::as_text(data, size);
  std::optional<img::ImageInfo> info = img::bmp_info_from_bytes(bytes);
  if (!info) return 0;
  // Pictures up to the reader's own limit are allowed, but allocating a
  // quarter gigabyte per input would slow the search to a few inputs a
  // second; the decoder's paths are the same for a smaller picture.
  if (static_cast<long long>(info->width) * info->height > kFuzzMaxPixels) return 0;
  img::Image image;
  if (!img::alloc_image(image, *info)) return 0;
  if (img::load_bmp_from_bytes(bytes, image)) img::scaled_to_fit(image, 120, 120);
  return 0;
}
