// How a list control of a dialog shows its items: the height of an
// owner-drawn list's items, and which item stands at the top (scrolling). A
// host that shows windows implements ListViews; the headless host records
// each call in its transcript
//   itemheight DIALOG ID PIXELS
//   topindex DIALOG ID INDEX
// DIALOG is the dialog's template name.
#pragma once
#include "platform/ui/dialog.h"

namespace ui {

class ListViews {
 public:
  virtual ~ListViews() = default;
  virtual void set_item_height(Handle dialog, int list, int pixels) = 0;
  virtual void set_top_index(Handle dialog, int list, int index) = 0;
};

// Through the current host.
void set_item_height(const Dialog& dialog, int list, int pixels);
void set_top_index(const Dialog& dialog, int list, int index);

}  // namespace ui
