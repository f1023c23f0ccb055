// A temporary folder whose name mixes upper and lower case, for checking
// that paths come back to the user spelled as they are on disk. (The other
// test folders are lower case, which hides a path lowered on the way.)
#pragma once
#include <filesystem>
#include <random>
#include <string>
#include <string_view>

namespace tw_test {

class MixedCaseDir {
 public:
  MixedCaseDir() {
    std::random_device rd;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
      auto p = std::filesystem::temp_directory_path() / ("Tarvenwick-MixedCase-" + std::to_string(rd()));
      if (std::filesystem::create_directory(p)) path_ = p.string();
    }
  }
  ~MixedCaseDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  MixedCaseDir(const MixedCaseDir&) = delete;
  MixedCaseDir& operator=(const MixedCaseDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(std::string_view relative) const { return path_ + "/" + std::string(relative); }

 private:
  std::string path_;
};

}  // namespace tw_test
