// Keys for window procedures: a dialog procedure that is also a KeyHook
// receives the keys pressed in its controls before the controls do (the
// host's keystroke hook). The headless host delivers the keys its script
// presses ("key" lines, platform/ui/script.h).
#pragma once
#include "platform/ui/dialog.h"

namespace ui {

// Only the keys a procedure may want before the control or the dialog acts:
// moving between fields, the default and cancel buttons, and the arrow and
// Delete keys that owner-drawn lists turn into commands of their own.
enum class Key { tab, enter, escape, left, right, del };

struct KeyPress {
  Key key = Key::tab;
  bool shift = false;
};

class KeyHook {
 public:
  virtual ~KeyHook() = default;
  // A key pressed in control id of dialog. True when the procedure handled
  // it: the key is then swallowed; false leaves it to the control and the
  // dialog (a TAB typed into a multi-line field, Enter pressing the default
  // button, Escape cancelling).
  virtual bool on_key(Dialog& dialog, int id, KeyPress key) = 0;
};

}  // namespace ui
