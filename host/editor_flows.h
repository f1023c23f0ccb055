// Flows that edit a project's start-up macros, button bar and windows the way an
// author does: through the project dialog and its editors.
#pragma once
#include <string>
#include <vector>

#include "host/libraries.h"
#include "host/script_session.h"

namespace host {

// twhost macros PROJECT.hpj [MACRO...]: adds the macros to the start-up
// macros in the Macro Editor and prints the [CONFIG] section.
int run_macros(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args);

// twhost buttons PROJECT.hpj [ID CAPTION MACRO]...: adds buttons to the
// button bar in the Button Editor and prints the [CONFIG] section.
int run_buttons(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args);

// twhost windows PROJECT.hpj [NAME CAPTION X Y WIDTH HEIGHT]...: adds or
// changes windows in the Window Editor and prints the [WINDOWS] section.
int run_windows(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args);

}  // namespace host
