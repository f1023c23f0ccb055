// Hotspots as the RTF reader reports them: underlined text (double underline
// a jump, single underline a pop-up) followed by hidden text that names the
// target. The underlined text may come in several runs of formatting, and so
// may the hidden text; only blanks may stand between the two.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "rtf/formatting.h"

namespace project {

enum class HotspotKind { jump = 0, popup = 1, macro = 2 };

struct Hotspot {
  HotspotKind kind = HotspotKind::jump;
  std::string target;  // the hidden text, trimmed
};

// Follows the topic's body text run by run and tells when a hotspot is complete.
class HotspotReader {
 public:
  // A run of body text with its formatting; the hotspot it completes, if any.
  std::optional<Hotspot> text(std::string_view bytes, const rtf::CharFormat& format);
  // A paragraph, cell, row, line or page break or a footnote ends any hotspot.
  std::optional<Hotspot> boundary();

 private:
  enum class Stage { none, underlined, hidden };

  std::optional<Hotspot> finish();

  Stage stage_ = Stage::none;
  HotspotKind kind_ = HotspotKind::jump;
  std::string target_;
};

}  // namespace project
