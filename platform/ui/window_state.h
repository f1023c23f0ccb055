// The state of a top-level window beyond its rectangle: kept above all other
// windows, or minimised. A host that shows windows implements WindowStates;
// the headless host records each call in its transcript
//   topmost WINDOW on|off
//   minimise WINDOW
// WINDOW: "main" for the caller's window, a dialog's template name, else
// "window N" with the handle.
#pragma once
#include "platform/ui/dialog.h"

namespace ui {

class WindowStates {
 public:
  virtual ~WindowStates() = default;
  virtual void set_topmost(Handle window, bool on) = 0;
  virtual void minimise(Handle window) = 0;
};

// Through the current host.
void set_topmost(Handle window, bool on);
void minimise(Handle window);

}  // namespace ui
