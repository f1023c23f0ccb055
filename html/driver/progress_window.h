// The progress window of the long passes: a meter in a small captioned
// window that the pass advances one step at a time.
#pragma once
#include <memory>
#include <string_view>

#include "platform/ui/dialog.h"

namespace html {

// Progress window captions.
inline constexpr std::string_view kAnalyzingCaption = "Analyzing RTF Files...";
inline constexpr std::string_view kProcessingCaption = "Processing...";

class ProgressWindow {
 public:
  // Opens the window with the meter at 0 of range steps.
  ProgressWindow(std::string_view caption, int range);
  // Removes the window.
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  // Advances the meter one step (it stays full past the end of its range).
  void step();
  int position() const { return position_; }
  ui::Handle handle() const { return window_; }

 private:
  ui::Handle window_ = 0;
  int range_ = 0;
  int position_ = 0;
};

// The window when steps exceeds the threshold, else nothing.
std::unique_ptr<ProgressWindow> show_progress_over(std::string_view caption, int steps,
                                                   int threshold);

}  // namespace html
