#include "html/pictures/convert_bitmap.h"

#include "html/driver/conversion_run.h"
#include "html/driver/messages.h"
#include "html/pictures/image_map.h"
#include "platform/images.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace img = platform::images;

namespace {

const char* tag_format(PictureAlignment alignment) {
  switch (alignment) {
    case PictureAlignment::left:
      return "<IMG SRC=\"%s\" ALIGN=LEFT BORDER=0 HEIGHT=%d WIDTH=%d";
    case PictureAlignment::right:
      return "<IMG SRC=\"%s\" ALIGN=RIGHT BORDER=0 HEIGHT=%d WIDTH=%d";
    case PictureAlignment::centre:
      break;
  }
  return "<IMG SRC=\"%s\" BORDER=0 HEIGHT=%d WIDTH=%d";
}

bool save_picture(const ConversionRun& run, const std::string& path, const img::Image& image,
                  bool transparent) {
  if (run.settings.project.twhtml.pngimages != 0) return img::save_png(path, image, transparent);
  return transparent ? img::save_transparent_gif(path, image) : img::save_gif(path, image);
}

// The bitmap loaded, or nullopt; a picture too large to hold is reported.
std::optional<img::Image> load_picture(std::string_view path) {
  std::optional<img::ImageInfo> info = img::bmp_info(path);
  if (!info) return std::nullopt;
  img::Image image;
  if (!img::alloc_image(image, *info)) {
    show_message(resource_string(kStrNoMemoryForPicture), ui::kMbOk, "");
    return std::nullopt;
  }
  if (!img::load_bmp(path, image)) return std::nullopt;
  return image;
}

}  // namespace

std::optional<std::string> convert_bitmap(ConversionRun& run, std::string_view path,
                                          PictureAlignment alignment, bool transparent) {
  std::string bitmap = text::to_lower(path);
  const bool hotspot = text::iends_with(bitmap, ".shg");
  if (hotspot) bitmap = platform::replace_extension(bitmap, ".bmp");
  std::optional<img::Image> image = load_picture(bitmap);
  if (!image) return std::nullopt;
  const bool png = run.settings.project.twhtml.pngimages != 0;
  const std::string file_name =
      platform::replace_extension(platform::file_name_of(bitmap), png ? ".png" : ".gif");
  const std::string output = platform::join_path(run.settings.derived.output_directory, file_name);
  if (!save_picture(run, output, *image, transparent)) return std::nullopt;
  std::string tag = text::format(tag_format(alignment), file_name.c_str(), image->height(),
                                 image->width());
  tag += hotspot ? text::format(" USEMAP=\"#%s\">", image_map_name(bitmap).c_str()) : ">";
  img::free_image(*image);
  return tag;
}

}  // namespace html
