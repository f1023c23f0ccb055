// The authoring window's Links menu: the hotspot dialogs over the current
// document. Each prints what its export returned and the text the word
// processor would insert: the click text with its hidden target, or a
// button field. The window does not edit the document itself.
#pragma once
#include "host/desktop_state.h"

namespace host {

// Jump... and Pop-up...: asks for the click text, then InsertJump or
// InsertDef.
int insert_jump(Desktop& d, bool jump);
// Keyword Jump...: InsertLink (a KLink or ALink macro hotspot).
int insert_keyword_jump(Desktop& d);
// Macro...: asks for the click text, then InsertMacro.
int insert_macro_hotspot(Desktop& d);
// Button...: InsertButton (an in-text button field).
int insert_button(Desktop& d);

}  // namespace host
