// Turning a bitmap into a picture beside the pages and the IMG tag that
// shows it.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace html {

struct ConversionRun;

// The string resource of the message shown when a picture cannot be held.
inline constexpr int kStrNoMemoryForPicture = 5601;  // "Not enough memory to load file"

// Where a picture goes on the page: "c" where it stands, "l" and "r" at the
// margins.
enum class PictureAlignment { centre, left, right };

// Converts the bitmap at path (a ".shg" stands for the ".bmp" of the same
// name) into a GIF, or a PNG when the project asks for pngimages, in the
// output folder, and returns its IMG tag with the picture's size; a hotspot
// graphic's tag names its map. Transparent pictures lose their background
// colour. nullopt when the bitmap cannot be loaded or its picture written.
std::optional<std::string> convert_bitmap(ConversionRun& run, std::string_view path,
                                          PictureAlignment alignment, bool transparent);

}  // namespace html
