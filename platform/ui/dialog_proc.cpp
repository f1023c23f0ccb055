// The default handling of a dialog procedure.
#include "platform/ui/dialog.h"

namespace ui {

void DialogProc::on_command(Dialog& dialog, int id, Notify notify) {
  if (notify != Notify::clicked) return;
  if (id == kIdOk) dialog.end(1);
  else if (id == kIdCancel) dialog.end(0);
}

}  // namespace ui
