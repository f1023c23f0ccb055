// Help Workshop started on the project from a dialog: it owns the window
// definitions of Windows 95 projects, and the dialog that started it waits
// for it to close before it takes the project file as it stands.
#pragma once

namespace project {
struct ProjectState;
}

namespace project {

// "Tarvenwick is uanble to locate or run the Help Workshop/Compiler (HCW.EXE). ..."
inline constexpr int kHelpWorkshopMissingText = 52;
// What Help Workshop is asked to show: its window definitions.
inline constexpr unsigned kShowWindowDefinitions = 1124;

class HelpWorkshop {
 public:
  // Starts the `hcw` program on the project ("%s %s"); the message above
  // when it cannot be started. True when it runs.
  bool start(ProjectState& state);
  // Asks the running Help Workshop to show its window definitions.
  void show_window_definitions(const ProjectState& state) const;
  bool started() const { return started_; }
  bool running() const;
  int process() const { return process_; }

 private:
  int process_ = 0;
  bool started_ = false;
};

}  // namespace project
