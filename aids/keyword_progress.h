// The modeless window a keyword build shows while it scans the topic files:
// "Scanning Topic: %d", counting the context strings read so far.
#pragma once
#include <cstdint>
#include <string_view>
#include "resources/trvwck32/keywords.h"

namespace aids {

// Progress windows of the builds.
inline constexpr std::string_view kBuildKProgress = "DLG_BUILDK_IDX";
inline constexpr std::string_view kBuildAProgress = "DLG_BUILDA_IDX";
inline constexpr std::string_view kBuildFullTextProgress = "DLG_BUILD_FTX";
inline constexpr int kProgressText = IDC_BUILD_PROGRESS_TEXT;

// Opens the window on construction and closes it on destruction.
class ScanProgress {
 public:
  ScanProgress(std::int32_t module, std::string_view template_name, std::int32_t owner);
  ~ScanProgress();
  ScanProgress(const ScanProgress&) = delete;
  ScanProgress& operator=(const ScanProgress&) = delete;

  // One more topic scanned.
  void advance();
  int count() const { return count_; }

 private:
  void show();

  std::int32_t window_ = 0;
  int count_ = 0;
};

}  // namespace aids
