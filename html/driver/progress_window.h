// The progress window of the long passes: the shared progress window with
// the conversion library's template.
#pragma once
#include <memory>
#include <string_view>

#include "platform/ui/progress_window.h"

namespace html {

// Progress window captions.
inline constexpr std::string_view kAnalyzingCaption = "Analyzing RTF Files...";
inline constexpr std::string_view kProcessingCaption = "Processing...";

// The conversion library's progress template.
ui::ProgressTemplate progress_template();

class ProgressWindow : public ui::ProgressWindow {
 public:
  ProgressWindow(std::string_view caption, int range)
      : ui::ProgressWindow(progress_template(), caption, range) {}
};

// The window when steps exceeds the threshold, else nothing.
std::unique_ptr<ProgressWindow> show_progress_over(std::string_view caption, int steps,
                                                   int threshold);

}  // namespace html
