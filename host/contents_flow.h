// twhost contents PROJECT.hpj [book:TITLE | topic:TITLE]...: the project's
// contents file, listed, or edited in the contents editor as an author does.
#pragma once
#include <string>
#include <vector>

#include "host/libraries.h"
#include "host/script_session.h"

namespace host {

// Opens the project; with entries, runs EditContents, adds each entry at the
// end of the contents (a book with that title, or the topic the editor's
// topic list shows with that title) and saves. Prints the contents file.
int run_contents(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args);

}  // namespace host
