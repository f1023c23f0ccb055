#include "html/driver/progress_window.h"

#include <string>

#include "html/driver/messages.h"
#include "platform/ui/host.h"

namespace html {

ui::ProgressTemplate progress_template() {
  return {conversion_module(), std::string(kProgressTemplate), kProgressMeterId};
}

std::unique_ptr<ProgressWindow> show_progress_over(std::string_view caption, int steps,
                                                   int threshold) {
  if (steps <= threshold) return nullptr;
  return std::make_unique<ProgressWindow>(caption, steps);
}

}  // namespace html
