// Pictures of the help file: a Windows bitmap (.bmp) stored as an internal
// file "|bmN" in the help file's picture format (one device-independent
// picture, uncompressed), and the topic command that shows picture N in
// the text ({bmc}) or at the left or right margin ({bml}, {bmr}).
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace hlp {

enum class PicturePlace { character, left, right };

// Run-length encoded 8-bit bitmaps are stored unpacked. nullopt for a file
// that is no Windows bitmap of 1, 4, 8, 24 or 32 bits, or is damaged.
// hotspots, when given, is the picture's hotspot table as a picture file
// holds it (see hotspot_picture.h), stored after the pixels.
std::optional<std::string> help_picture_from_bmp(std::string_view bmp, std::string_view hotspots = {});

// A picture with hotspots says how many its first picture has.
std::string picture_command(PicturePlace place, int number, int hotspots = 0);

// The place a bitmap reference ("bmc name", "bmlt name" ...) asks for.
std::optional<PicturePlace> picture_place(std::string_view brace_text);

}  // namespace hlp
