// The headless host's script: what the user does, one action a line.
//
//   # a comment line (blank lines are skipped too)
//   dialog DLG_INS_TOPIC     the next dialog to open must be this one (name or number)
//   set 101 Printing a file  put text into an edit field or combo box (the rest of
//                            the line, without its leading and trailing blanks)
//   check 510 1              tick (1), clear (0) or grey (2) a check box or radio button
//   select 102 IDH_print     select the list, combo or tab item with exactly this text
//   select# 102 3            select the item at this index (from 0)
//   dblclick 601 2           double-click the item at this index
//   click 1                  press a button (1 OK, 2 Cancel, else its id)
//   message Yes              answer the next message box: OK Cancel Yes No Retry Abort Ignore
//   file proj/new.hpj        answer the next file dialog with this path ("file cancel" cancels)
//   colour 0x00FF00          answer the next colour dialog ("colour cancel" cancels)
//   rect WndEd 0 0 512 384   move/size the newest top-level window of this class, or
//                            the open modeless dialog of this template (pixels)
//   key 105 shift+tab        press a key in a control (it gets the focus first): tab,
//                            shift+tab, enter, escape, left, right, delete (the arrow
//                            keys and Delete do nothing unless the procedure takes
//                            them). The procedure sees it first
//                            (ui::KeyHook, platform/ui/keys.h); a key it leaves does what the
//                            control does with it: a TAB goes into a multi-line edit
//                            field, Enter into one that wants returns, else Enter
//                            presses OK and Escape Cancel
//   drag 104 2 0             drag the list line at index 2 and drop it on the line at
//                            index 0 (the item count: below the last line). The press
//                            selects the line (a selection notification), the drop is
//                            Notify::dropped with Dialog::drop_index telling where
//   help 101                 ask for help on a control (F1 on it, or "What's This?"):
//                            the procedure's on_help; disabled controls are asked about too
//   window DLG_KEY_LIST      the actions after it go to this open modeless window,
//                            until the next window line ("window" with the running
//                            dialog's name goes back to it); twhost and tests let the
//                            user act in modeless windows between commands with
//                            Host::pump, which reads these lines
//
// Action words and message answers are read without regard to case. Control
// ids are numbers, or names the dialog's resource script #defines. A dialog
// line is followed by the actions for that dialog; dialogs and boxes that
// its actions open take their own lines at that point of the script. An
// action on a control the running dialog lacks goes to the newest modeless
// window it owns that has the control (a page of a main window's panel).
#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/host.h"
#include "platform/ui/keys.h"

namespace ui::detail {

enum class Action {
  dialog, set, check, select, select_index, dblclick, click, message, file, colour, rect, key, window, drag, help
};

struct ScriptLine {
  Action action = Action::click;
  std::string source;   // the line as written, trimmed
  std::string target;   // dialog name, control id as written, window class
  std::string text;     // set: the text; select: the item; file: the path
  int value = 0;        // check: the state; select#, dblclick, drag: the index; message: the answer id
  int drop = 0;         // drag: the index of the line dropped on
  bool cancel = false;  // "file cancel", "colour cancel"
  std::uint32_t colour = 0;
  WindowRect rect;
  KeyPress key;

  // Lines that act on the dialog that is running (set ... rect).
  bool is_dialog_action() const;
};

// Reads one script line; nullopt with error set when it cannot be read.
std::optional<ScriptLine> parse_script_line(std::string_view line, std::string* error);

// The answer names of message boxes and their command ids.
std::optional<int> answer_id(std::string_view name);
std::string_view answer_name(int id);

class ScriptQueue {
 public:
  // Appends the lines of text; returns "script line N: ..." for lines it cannot read.
  std::vector<std::string> queue(std::string_view text);
  bool empty() const { return lines_.empty(); }
  const ScriptLine& front() const { return lines_.front(); }
  void pop() { lines_.pop_front(); }
  std::vector<std::string> pending() const;

 private:
  std::deque<ScriptLine> lines_;
};

}  // namespace ui::detail
