// Where pictures are looked for: the project's bitmap roots (BMROOT, a
// comma-separated list), taken from the project's folder, and for projects
// built with the Windows 95 compiler the installation's stock pictures
// after them. Both libraries look pictures up this way.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

// The folder of the stock pictures under the bitmap directory (BITMAP_DIR).
std::string stock_bitmap_folder(std::string_view bitmap_dir);

// The folders of the list in order, each resolved from the project folder
// ("." is the project folder, ".." its parent, "\pics" and "pics" lie in
// it), a folder named twice kept once; the stock folder (when not empty)
// comes last.
std::vector<std::string> bitmap_search_folders(std::string_view project_folder,
                                               std::string_view roots,
                                               std::string_view stock_folder = {});

// The path of the first file called name in the folders; directories of
// that name do not count.
std::optional<std::string> find_bitmap(const std::vector<std::string>& folders,
                                       std::string_view name);

}  // namespace formats
