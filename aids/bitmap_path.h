// Where a picture the document names lies, so that the word processor can
// show it (GetBitPath).
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace project {
struct ProjectState;
}

namespace aids {

// The stock button picture, shown only with WYSIWYG pictures on.
inline constexpr std::string_view kStockButtonPicture = "twbtn1.bmp";

// GetBitPath's results.
enum BitPathResult {
  kBitmapNotFound = 0,
  kBitmapFound = 1,
  kBitmapIsBullet = 2,  // the chosen bullet picture
  kBitmapIsStock = 3,   // one of the installation's stock pictures
};

// The folders pictures are looked for in: the project's bitmap roots (the
// project folder when it names none) and, with the Windows 95 compiler,
// the stock pictures after them.
std::vector<std::string> project_bitmap_folders(const project::ProjectState& state);

// GetBitPath: the picture code ("bmc arrow.bmp}" or a bare name) is cut at
// "}" and its code word dropped; path receives the first file of that name
// on the bitmap roots or, failing that, the project's [BITMAPS] entry that
// holds the name.
int GetBitPath(const project::ProjectState& state, std::string_view code, std::string& path);

}  // namespace aids
