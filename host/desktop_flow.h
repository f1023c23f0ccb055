// twhost desktop: the authoring window, where a person uses Tarvenwick on
// the desktop.
#pragma once
#include <string>
#include <vector>

#include "host/desktop_project.h"
#include "host/desktop_state.h"
#include "host/libraries.h"
#include "host/script_session.h"
#include "platform/ui/main_window.h"

namespace host {

// Opens a topic file in the desktop's word processor (the opener the
// settings name, else xdg-open); says what happened, for the log pane.
std::string open_in_word_processor(const std::string& document);

// The window's title and menus as they stand: the Document menu lists the
// open project's topic files. A command needs the project open first.
ui::MainWindowView desktop_view(Desktop& d);

// twhost desktop [PROJECT.hpj]: opens the project in the authoring library
// once, then shows a main window whose menus run the exports on it in the
// documented order, with what they print shown in its log pane; SaveAll
// when the window closes. Fails where no desktop is there.
int run_desktop(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args);

}  // namespace host
