#include "platform/ui/main_window.h"

#include "platform/ui/host.h"

namespace ui {

bool run_main_window(std::string_view title, const std::vector<MenuCommand>& commands) {
  auto* windows = dynamic_cast<MainWindowHost*>(&host());
  return windows && windows->run_main_window(title, commands);
}

}  // namespace ui
