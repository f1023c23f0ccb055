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
  bool checked = false;              // shown ticked (the current one of a choice)
};

// What the window shows: its title and its menus. A command may change both
// (opening a project changes the title and the documents offered), so the
// window asks again after each one.
struct MainWindowView {
  std::string title;
  std::vector<MenuCommand> commands;
  std::string log;  // added to the log pane once (what happened before)
};
using MainWindowContent = std::function<MainWindowView()>;

class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;
  virtual bool run_main_window(const MainWindowContent& content) = 0;
};

// Whether the current host draws a main window.
bool has_main_window();

// Shows the main window until the person closes it; false when the current
// host draws no windows.
bool run_main_window(const MainWindowContent& content);

}  // namespace ui
