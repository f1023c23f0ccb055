// Pictures embedded in RTF ({\pict ...}): their properties, and their data
// decoded on demand so that readers that skip pictures pay nothing for them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "rtf/group_cursor.h"

namespace rtf {

enum class PictureFormat : std::uint8_t { unknown, wmf, emf, png, jpeg, dib, bitmap, mac };

// One {\pict ...} group.
struct Picture {
  PictureFormat format = PictureFormat::unknown;
  int width = 0;         // \picwN: picture units (pixels for bitmaps, 0.01 mm for metafiles)
  int height = 0;        // \pichN
  int goal_width = 0;    // \picwgoalN: intended size in twips
  int goal_height = 0;   // \pichgoalN
  int scale_x = 100;     // \picscalexN, percent
  int scale_y = 100;     // \picscaleyN, percent
  std::size_t offset = 0;    // position of the group's "{" in the document
  std::string_view source;   // the whole group's RTF, braces included
};

// Reads a picture group; the cursor stands after "\pict", group_offset is the
// position of the group's "{" in input.
Picture read_picture(GroupCursor& cursor, std::string_view input, std::size_t group_offset);

// The picture's bytes: its hexadecimal text decoded, or its \bin data.
std::string decode_picture_data(const Picture& picture);

}  // namespace rtf
