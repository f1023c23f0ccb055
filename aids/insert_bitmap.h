// Placing a picture in a topic (InsertBitmap): the "DLG_GRAPHIC" dialog,
// the stock pictures, the copy offer for pictures outside the bitmap roots
// and the texts the word processor writes the picture code from.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace aids {
struct AidsState;
}

namespace aids {

// The stock pictures, string resources 830 to 839, kept in BITMAP_DIR\std_bmps.
inline constexpr int kFirstStockString = 830;
inline constexpr std::array<std::string_view, 10> kStockPictures = {
    "bullet.bmp", "emdash.bmp",   "shortcut.bmp", "onestep.bmp", "open.bmp",
    "closed.bmp", "document.bmp", "do-it.bmp",    "chiclet.bmp", "prcarrow.bmp"};

// String resources of the picture commands.
inline constexpr int kStrNoGraphicsEditor = 51;
inline constexpr int kStrMakeShg = 55;
inline constexpr int kStrSelectBitmap = 10022;      // "You must select a bitmap file."
inline constexpr int kStrNoHotspotEditor = 10044;
inline constexpr int kStrCopyToRoot = 10350;        // the copy offer for a root other than the project folder
inline constexpr int kStrOtherPictureThere = 10351;
inline constexpr int kStrPictureNotCopied = 10352;
inline constexpr int kStrPictureTooLong = 10353;

// InsertBitmap's results besides its code.
enum InsertBitmapKind { kPicturePlain = 1, kPictureJump = 2, kPicturePopup = 3, kPictureMacro = 4 };

struct InsertBitmapResult {
  std::string graphic_file;  // a bare name (lower case) when the compiler finds it, else its path
  std::string target;        // the hotspot's target; "" for a plain picture
  std::string alignment;     // "0" left, "1" right, "2" insertion point, +10 transparent
  std::string test_flag;     // "1" or "0"
  std::string display_path;  // the picture to show (WYSIWYG pictures), "" when none
};

// The path the word processor shows for a picture: the host path with the
// folders' own spelling, a hotspot graphic (".shg", ".mrb") by its ".bmp",
// "" when that file does not exist.
std::string display_path_of(std::string_view picture_path);

// InsertBitmap: 1 plain picture, 2 jump, 3 pop-up, 4 macro, 0 Cancel.
int InsertBitmap(AidsState& state, std::int32_t window, std::string_view document,
                 std::string_view graphic_file, std::string_view target, InsertBitmapResult& out);

}  // namespace aids
