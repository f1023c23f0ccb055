// The command panel (dialog 1000) in the main window: file commands, the
// entry navigation buttons, Test, "Always on top" and the tab strip.
#pragma once
#include "assistant/app.h"
#include "platform/ui/dialog.h"

namespace assistant {

class Panel : public ui::DialogProc {
 public:
  explicit Panel(App& app) : app_(app) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  void on_timer(ui::Dialog& dialog, int timer_id) override;
  void on_close(ui::Dialog& dialog) override;
  void on_help(ui::Dialog& dialog, int control) override;

 private:
  void new_file();
  void open();
  void options();
  void generate();
  void previous();
  void remove();
  void help();
  void always_on_top(bool on);
  void close(ui::Dialog& dialog);
  App& app_;
};

// Start-up: the main window, the panel, the last file and "Always on top".
// Runs the program's window until it is closed; returns the exit status.
int run_assistant(App& app);

}  // namespace assistant
