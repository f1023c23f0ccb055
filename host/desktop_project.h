// The authoring window's project: opened once in the authoring library, the
// way the macros open it (InitTW, TWStartUp), and the Project menu's
// commands on it. Each command prints what the exports returned.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "host/desktop_state.h"

namespace host {

// At the window's start: InitTW (its About box closed for the person), then
// the project typed on the command line opened, else the one the settings
// name adopted. Prints what happened.
void start_desktop(Desktop& d, const std::string& typed_project);

// Opens a project (system form) through the start dialog's Open button,
// answered for the person; TWStartUp's document becomes the current one.
bool open_project_in_window(Desktop& d, const std::string& project);

// Project > Open Project...: the person picks a .hpj, which is opened.
int choose_project(Desktop& d);
// Project > Start: the start dialog for the person (recent projects, Create).
int start_dialog(Desktop& d);
// Project > Options...: the project dialog (SetOptions), from which the
// macro, button and window editors open.
int project_options(Desktop& d);
// Project > Project Files: the files of the open project.
int project_files(Desktop& d);
// Project > Save All, and what the window does when it closes.
int save_all(Desktop& d);

// The project's topic files ([FILES]) as host paths beside the project
// file, in its order; none when the project cannot be read.
std::vector<std::string> project_topic_files(const std::string& project);
// The topic file of the project that a path an export returned names (the
// macros' ".DOC" form, upper case): same base name, any case; "" when none.
std::string topic_file_named(const std::string& project, std::string_view returned);

}  // namespace host
