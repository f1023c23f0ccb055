// The caller's main window: menus of commands and a log pane that shows what
// each command returned. Only a host that draws windows has one; the
// headless host runs the commands from the command line instead.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct MenuCommand {
  std::string menu;                  // "&Build"
  std::string label;                 // "&Compile"
  std::function<std::string()> run;  // what the command has to say, for the log
};

class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;
  virtual bool run_main_window(std::string_view title, const std::vector<MenuCommand>& commands) = 0;
};

// Shows the main window until the person closes it; false when the current
// host draws no windows.
bool run_main_window(std::string_view title, const std::vector<MenuCommand>& commands);

}  // namespace ui
