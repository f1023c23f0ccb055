// Shared pieces of the UI host tests: a resource script with the dialogs the
// tests run, and a dialog procedure that records what it is told.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/host.h"

namespace ui_test {

inline constexpr int kTitle = 101;
inline constexpr int kBrowse = 102;
inline constexpr int kKindA = 201, kKindB = 202, kKindC = 203;
inline constexpr int kSideX = 301, kSideY = 302;
inline constexpr int kList = 401, kCombo = 402, kTabs = 403, kMeter = 404, kMulti = 405, kPick = 406;
inline constexpr int kAsk = 501, kNested = 502, kDisabled = 503, kTri = 504;

inline constexpr const char* kScript = R"rc(
#define IDC_TITLE 101
#define IDC_LIST  401

DLG_TEST DIALOG 10, 10, 240, 160
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Insert Help Topic"
BEGIN
  LTEXT "&Title:", -1, 5, 5, 40, 8
  EDITTEXT IDC_TITLE, 50, 5, 100, 12, ES_AUTOHSCROLL
  AUTOCHECKBOX "&Browse", 102, 5, 20, 60, 10
  LTEXT "Kind", -1, 5, 32, 40, 8
  AUTORADIOBUTTON "A", 201, 5, 42, 30, 10
  AUTORADIOBUTTON "B", 202, 40, 42, 30, 10
  AUTORADIOBUTTON "C", 203, 75, 42, 30, 10
  LTEXT "Side", -1, 5, 54, 40, 8
  AUTORADIOBUTTON "X", 301, 5, 64, 30, 10
  AUTORADIOBUTTON "Y", 302, 40, 64, 30, 10
  LISTBOX IDC_LIST, 5, 76, 100, 40, LBS_NOTIFY | LBS_SORT | WS_VSCROLL
  COMBOBOX 402, 110, 76, 100, 60, CBS_DROPDOWN
  CONTROL "", 403, "TWTab", WS_TABSTOP, 110, 5, 120, 14
  CONTROL "", 404, "ProgMeter", 0, 110, 20, 120, 10
  LISTBOX 405, 110, 92, 60, 40, LBS_MULTIPLESEL
  COMBOBOX 406, 110, 130, 60, 40, CBS_DROPDOWNLIST
  AUTO3STATE "Tri", 504, 5, 120, 40, 10
  DEFPUSHBUTTON "OK", IDOK, 180, 140, 40, 14
  PUSHBUTTON "Cancel", IDCANCEL, 130, 140, 40, 14
  PUSHBUTTON "&Ask", 501, 5, 140, 30, 14
  PUSHBUTTON "&Nested", 502, 40, 140, 30, 14
  PUSHBUTTON "Off", 503, 75, 140, 30, 14, WS_DISABLED
END

DLG_CHILD DIALOG 20, 20, 120, 60
CAPTION "Child"
BEGIN
  EDITTEXT 10, 5, 5, 100, 12
  DEFPUSHBUTTON "OK", IDOK, 5, 40, 40, 14
  PUSHBUTTON "Cancel", IDCANCEL, 50, 40, 40, 14
END

21000 DIALOG 0, 0, 100, 50
CAPTION "About"
BEGIN
  DEFPUSHBUTTON "OK", IDOK, 30, 30, 40, 14
END

DLG_CX DIALOG 0, 0, 100, 80
CAPTION "Context Strings"
BEGIN
  LISTBOX 601, 5, 5, 90, 60
END

DLG_PLAIN DIALOG 0, 0, 100, 80
BEGIN
  RADIOBUTTON "p", 701, 5, 5, 30, 10
  AUTORADIOBUTTON "q", 702, 5, 15, 30, 10
  AUTORADIOBUTTON "r", 703, 5, 25, 30, 10
  PUSHBUTTON "s", 704, 5, 35, 30, 10
  AUTORADIOBUTTON "t", 705, 5, 45, 30, 10
END
)rc";

// The module of kScript (registered once per process).
std::int32_t test_module();

// Records every handler call as a line ("init", "command 101 changed", ...)
// and runs the reactions a test sets for a command id.
class RecordingProc : public ui::DialogProc {
 public:
  using Reaction = std::function<void(ui::Dialog&, ui::Notify)>;

  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  void on_timer(ui::Dialog& dialog, int timer_id) override;
  void on_close(ui::Dialog& dialog) override;
  void on_window_moved(ui::Dialog& dialog, ui::Handle window) override;

  std::vector<std::string>* log = &own_log;  // may point at a log shared by several procs
  std::vector<std::string> own_log;
  std::function<void(ui::Dialog&)> init;
  std::function<void(ui::Dialog&, int)> timer;
  std::map<int, Reaction> reactions;  // replaces the default handling for that id
};

const char* notify_name(ui::Notify notify);

}  // namespace ui_test
