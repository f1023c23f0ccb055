// Finding the bitmaps topic files name: on the bitmap roots, then the
// project roots, or as listed in [BITMAPS]. Each name is looked up once.
#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace helpc {

class BitmapFinder {
 public:
  // folders in search order; listed: the [BITMAPS] entries (paths from the
  // project folder or absolute).
  BitmapFinder(std::vector<std::string> folders, std::vector<std::string> listed,
               std::string project_directory);

  // True when the bitmap exists.
  bool found(std::string_view name);

 private:
  bool look_up(std::string_view name) const;

  std::vector<std::string> folders_;
  std::vector<std::string> listed_;
  std::string project_directory_;
  std::unordered_map<std::string, bool> known_;  // by lower-case name
};

}  // namespace helpc
