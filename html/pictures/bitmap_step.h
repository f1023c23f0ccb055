// The page writer's picture step: every "{bm...}" reference of a line
// ("{bmc file}", "{bml file}", "{bmr file}", with "t" after the letter for
// a transparent background) becomes an IMG tag, and a hotspot graphic's
// tag is followed by its image map.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace html {

struct ConversionRun;
class ReadOn;

// The folders of the run's bitmap search path: the project's bitmap roots
// and, for a project built with the Windows 95 compiler (its option file's
// [Project] W95), the stock pictures of the installation.
std::vector<std::string> bitmap_folders(const ConversionRun& run);

// The full path of the first file called name on the run's search path.
std::optional<std::string> locate_bitmap(ConversionRun& run, std::string_view name);

// Replaces the references of the buffer, reading on to a reference's "}".
// A reference whose bitmap is found nowhere or cannot be converted stays
// as it is and is counted.
void convert_bitmap_references(ConversionRun& run, std::string& buffer, ReadOn& more);

}  // namespace html
