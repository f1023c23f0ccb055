// twhost desktop: the authoring window, where a person uses Tarvenwick on
// the desktop.
#pragma once
#include <string>
#include <vector>

#include "host/libraries.h"
#include "host/script_session.h"

namespace host {

// The project's topic files ([FILES]) as paths beside the project file, in
// its order; none when the project cannot be read.
std::vector<std::string> project_topic_files(const std::string& project);

// Opens a topic file in the desktop's word processor (the opener the
// settings name, else xdg-open); says what happened, for the log pane.
std::string open_in_word_processor(const std::string& document);

// twhost desktop [PROJECT.hpj]: a main window whose menus run the flows on
// the chosen project, each calling the exports in the documented order, with
// what they print shown in its log pane. Fails where no desktop is there.
int run_desktop(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args);

}  // namespace host
