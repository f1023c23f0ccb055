// The help viewer call (WinHelp). Recorded in the UI host's transcript as
//   winhelp "FILE" command=N data=D
// and handed to the viewer program configured as key `help viewer` of section
// [Platform] in <root>/windows/win.ini ("VIEWER FILE COMMAND DATA"); nothing
// is shown when none is configured. A call for the product's own help opens
// the published page of its topic instead (platform/product_help.h).
#pragma once
#include <cstdint>
#include <string_view>

namespace platform {

// WinHelp commands the system uses.
constexpr int kHelpContext = 1;
constexpr int kHelpQuit = 2;
constexpr int kHelpContents = 3;
constexpr int kHelpContextPopup = 8;  // a context number shown as a popup
constexpr int kHelpKey = 0x101;
constexpr int kHelpFinder = 11;
constexpr int kHelpCommand = 0x102;     // data: a help macro
constexpr int kHelpPartialKey = 0x105;  // data: a keyword


// Returns 1 (WinHelp's TRUE) when the call was taken.
int win_help(std::int32_t window, std::string_view file, int command, std::uint32_t data);
// WinHelp with a text as its data (a macro, a keyword); noted as
//   winhelp "FILE" command=N data="TEXT"
int win_help_text(std::int32_t window, std::string_view file, int command, std::string_view data);

}  // namespace platform
