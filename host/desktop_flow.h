// twhost desktop: the authoring window, where a person uses Tarvenwick on
// the desktop.
#pragma once
#include <string>
#include <vector>

#include "host/libraries.h"
#include "host/script_session.h"

namespace host {

// twhost desktop [PROJECT.hpj]: a main window whose menus run the flows on
// the chosen project, each calling the exports in the documented order, with
// what they print shown in its log pane. Fails where no desktop is there.
int run_desktop(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args);

}  // namespace host
