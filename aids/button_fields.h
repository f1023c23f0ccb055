// In-text buttons: the field text the word processor writes for a button
// (a "{button ...}" for Help Workshop projects, an emulation-library
// embedded window for Windows 3.x projects), and an existing button's macro
// read back into the dialog's action and target.
#pragma once
#include <string>
#include <string_view>

namespace aids {

// InsertButton's results: the kind of action.
inline constexpr int kButtonJump = 2, kButtonPopup = 3, kButtonMacro = 4;

// A target string: context, ">" window, "@" help file (each part optional).
struct TargetParts {
  std::string context, window, file;
};
TargetParts split_target(std::string_view target);
std::string join_target(const TargetParts& parts);

// The action macro without its "!": JI or PI built from the target (a
// window without a file names the project's help file), or the macro as
// given for a macro or keyword jump.
std::string button_action(int kind, std::string_view target, std::string_view macro,
                          std::string_view project_path);

// The field text: "{button TEXT,MACRO}" for Help Workshop projects, else
// "{ewc tw95em.dll,TWBTN,TEXT|MACRO}" with every "," of the macro made "|".
std::string button_field(std::string_view text, std::string_view action, bool win95);

// An existing button's macro: JI/JumpId a jump, PI/PopupId a pop-up (the
// target re-joined from the arguments), anything else a macro.
struct ParsedButton {
  int kind = kButtonMacro;
  std::string target;
  std::string macro;
};
ParsedButton parse_button_action(std::string_view macro);

}  // namespace aids
