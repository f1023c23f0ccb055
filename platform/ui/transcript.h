// The headless host's transcript: one line per event, in the order the
// events happen, kept in memory and appended to a file when one is set.
//
//   dialog DLG_INS_TOPIC "Insert Help Topic" -> 1
//       a modal dialog ended with result 1; the caption is the one it had at
//       the end; numbered dialogs show their number ("dialog 21000 ...").
//       A dialog the script said nothing about ends with " (not scripted)";
//       one whose template does not exist is "dialog NAME "" -> 0 (no template)".
//   message "TEXT" caption="CAPTION" icon=stop -> OK
//       icons: stop, question, exclamation, information, none; answers: OK
//       Cancel Yes No Retry Abort Ignore. An unanswered box takes its default
//       button and ends with " (default)"; a script answer the box does not
//       offer gives the default and " (script answer X not offered)".
//   filedialog open "*.hpj" -> proj/new.hpj      (or save; "-> cancel")
//   colourdialog -> 0x00FF00                     (or "-> cancel")
//       unanswered file and colour dialogs are cancelled: "-> cancel (not scripted)"
//   window DLG_CX "Context Strings" opened       a modeless window after its
//   window DLG_CX closed                         initialisation, and its end
//   window DLG_CX not created (no template)
//   ignored "click 999" in DLG_GOTO: no control 999
//       a script action that could not be done (no such control, item or
//       window; a disabled or hidden control)
//   script line 3: unknown action "jump 5"       a script line that cannot be read
// Platform services add their own lines (winhelp, exec, beep; topmost and
// minimise, platform/ui/window_state.h).
//
// Quoted texts are written between double quotes with a double quote inside
// written \" , a line feed \n and a carriage return \r; nothing else is
// escaped (a backslash stays a single backslash, so paths read naturally).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui::detail {

// text between double quotes, escaped as above.
std::string quote(std::string_view text);

std::string dialog_line(std::string_view identifier, std::string_view caption, int result,
                        bool scripted);
std::string message_line(std::string_view text, std::string_view caption, std::string_view icon,
                         std::string_view answer, std::string_view remark);
// A null path means cancelled.
std::string file_dialog_line(bool save, std::string_view filter, const std::string* path,
                             bool scripted);
// A null colour means cancelled.
std::string colour_line(const std::uint32_t* colour, bool scripted);
std::string window_opened_line(std::string_view identifier, std::string_view caption);
std::string window_closed_line(std::string_view identifier);
std::string ignored_line(std::string_view action, std::string_view where, std::string_view reason);

class Transcript {
 public:
  void add(std::string line);
  const std::vector<std::string>& lines() const { return lines_; }
  void clear() { lines_.clear(); }
  // Each later line is also appended to this host file (opened and closed
  // per line, so several processes may share it). "" stops.
  void set_file(std::string host_path) { file_ = std::move(host_path); }

 private:
  std::vector<std::string> lines_;
  std::string file_;
};

}  // namespace ui::detail
