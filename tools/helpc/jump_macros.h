// The topic jumps inside WinHelp macro strings: JumpId (JI) and PopupId
// (PI) name a help file and a context string. Buttons and [CONFIG] lines
// carry such macros, nested inside the quoted arguments of others
// (CreateButton, CB, IfThen ...).
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace helpc {

struct MacroJump {
  std::string help_file;  // the first argument, quotes dropped ("" for none)
  std::string context;    // the second argument, quotes dropped
};

// Every JumpId, JI, PopupId and PI call in the text, in order.
std::vector<MacroJump> jump_macros(std::string_view macros);

// True when a macro's help-file argument means the file being compiled:
// empty, the "qchPath" variable, or a name (window after ">" aside) equal
// to help_file without regard to case.
bool names_own_help_file(std::string_view argument, std::string_view help_file);

}  // namespace helpc
