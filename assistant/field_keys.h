// Tab and Shift+Tab in the entry form's fields: they move between the
// fields (Tab from the popup text commits the form) and never put a TAB
// into a field.
#pragma once
#include "assistant/entries.h"

namespace assistant {

enum class KeyAction { pass, focus_next, focus_previous, commit };

struct KeyResult {
  KeyAction action = KeyAction::pass;
  int focus = -1;  // the field that gets the focus
};

// What a TAB key press in field does (the key itself is swallowed).
KeyResult tab_key(int field, bool shift, IdSource mode);

}  // namespace assistant
