// Pictures the hotspot editor and the resolution tool write (.shg, .mrb)
// are already in the help file's picture format: one or more pictures,
// each with its hotspot table (regions, kinds and bindings). They are
// stored as they are, with each jump and pop-up hotspot given the number
// its context string is filed under, so that a click finds the topic.
// Bindings into a window or another help file ("ctx>win", "ctx@file")
// become the kinds whose binding the viewer reads as written; a region
// has no font to change, so every jump and pop-up takes the kind without
// a font change, the only one the viewer follows in a picture.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace hlp {

struct HotspotPicture {
  std::string bytes;  // the "|bmN" file
  int hotspots = 0;   // of its first picture
};

// Whether the bytes start like a picture file rather than a bitmap.
bool is_picture_file(std::string_view bytes);

// nullopt when the file is damaged: a picture or its hotspot table lies
// outside it, or a table is cut short.
std::optional<HotspotPicture> help_picture_from_picture_file(std::string_view file);

// A hotspot file that holds regions but no picture of its own (its first
// picture's offset is 0): its hotspots are drawn on the bitmap of the same
// name (".bmp"), as the HTML conversion shows them too. The hotspot table
// lies where a picture file without pictures keeps it (a 16-bit offset at
// byte 32, a 32-bit one at byte 34 in files over 64 KB, each 8 bytes before
// the table). nullopt when the file holds a picture or its table does not
// read whole.
std::optional<std::string> hotspots_without_picture(std::string_view file);

}  // namespace hlp
