// Windows of other programs, found by their window class (the Visual Basic
// 4.0 properties window) or their title (Help Workshop's main window). Linux has no such windows: nothing is found, and
// the callers' commands then do nothing.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ForeignWindow {
  std::string caption;     // the window's caption
  std::string combo_item;  // the current item of its first "ComboBox" child
};

// The first top-level window of the class, or nullopt.
std::optional<ForeignWindow> find_foreign_window(std::string_view class_name);
// Replaces the text of the first "edit" child of that window with text and
// brings the window to the front; false when there is no such window.
bool paste_into_foreign_window(std::string_view class_name, std::string_view text);
// Sends a private message (a command number of that program) to the
// top-level window with this title; false when there is no such window.
bool send_to_foreign_window(std::string_view title, unsigned message);
// Puts text into the first edit field of the first open window of another
// program titled one of titles (the Hotspot Editor's "Attributes" and
// "Preferences"); false when none is open. The hand-over is noted in the
// UI host's transcript.
bool paste_into_titled_window(const std::vector<std::string>& titles, std::string_view text);

}  // namespace platform
