// A view of the headless host's windows: something that draws the dialogs
// the core runs and lets a person act in them (the GUI host). The core keeps
// the control model and the transcript; the view mirrors the model into its
// widgets and hands the person's actions back as the script's actions would.
#pragma once
#include "platform/ui/dialog.h"

namespace ui::detail {

class HeadlessDialog;
struct PlainWindow;

class DialogView {
 public:
  virtual ~DialogView() = default;
  // A dialog or modeless window has run its initialisation.
  virtual void opened(HeadlessDialog& dialog) = 0;
  // Lets the person work in a modal dialog the script says nothing about,
  // until it ends; false leaves the dialog to be cancelled.
  virtual bool run_modal(HeadlessDialog& dialog) = 0;
  // The model changed outside a call the view made (a script action, a
  // timer, a meter that moved during a long job).
  virtual void changed(HeadlessDialog& dialog) = 0;
  // The window is going; the dialog object is freed soon after.
  virtual void closed(HeadlessDialog& dialog) = 0;
  // Top-level windows of a registered class.
  virtual void window_created(Handle window, const PlainWindow& state) = 0;
  virtual void window_destroyed(Handle window) = 0;
};

}  // namespace ui::detail
