#include "platform/ui/main_window.h"

#include "platform/ui/host.h"

namespace ui {

bool has_main_window() { return dynamic_cast<MainWindowHost*>(&host()) != nullptr; }

bool run_main_window(const MainWindowContent& content) {
  auto* windows = dynamic_cast<MainWindowHost*>(&host());
  return windows && windows->run_main_window(content);
}

}  // namespace ui
