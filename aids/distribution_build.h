// BuildKeywordIndex with its dialog: asks which sections of the distribution
// index to build ("DLG_DIST_INX"), keeps the choice in the project's option
// file ("Dist A", "Dist K", "Dist FT", "Dist FT Excl") and writes the index.
#pragma once
#include <cstdint>
#include <string>
#include "resources/trvwck32/keywords.h"

namespace aids {
struct AidsState;
}

namespace aids {

// Controls of "DLG_DIST_INX".
inline constexpr int kDistAField = IDC_DIST_INX_A_KEYWORDS;
inline constexpr int kDistKField = IDC_DIST_INX_K_KEYWORDS;
inline constexpr int kDistFullTextField = IDC_DIST_INX_FULL_TEXT;
inline constexpr int kDistExcludedField = IDC_DIST_INX_EXCLUDED;
// "Dist FT Excl" holds at most this many characters.
inline constexpr size_t kDistExcludedMax = 255;

struct DistributionOptions {
  bool a = true, k = false, full_text = true;
  std::string excluded_tags;
  // The dialog's result code: 1 (A) + 10 (K) + 100 (full text).
  int code() const { return (a ? 1 : 0) + (k ? 10 : 0) + (full_text ? 100 : 0); }
};

DistributionOptions LoadDistributionOptions(const std::string& project_path);
bool SaveDistributionOptions(const std::string& project_path, const DistributionOptions& options);

// Shows "DLG_DIST_INX"; its result code, 0 on Cancel. OK stores the choice.
int AskDistribution(AidsState& state, std::int32_t owner);

// The whole command: ask, then build the chosen sections. Cancel builds
// nothing; a file that cannot be written is reported. Returns 1.
int BuildDistributionIndex(AidsState& state, std::int32_t window);

}  // namespace aids
