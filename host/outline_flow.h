// twhost outline: the document outline of a project, rebuilt from its
// contents file or edited in the Outline Editor, and listed the way the
// word processor's macros read it.
#pragma once
#include <string>
#include <vector>

#include "host/libraries.h"
#include "host/script_session.h"

namespace host {

// twhost outline PROJECT.hpj [--from-contents | --edit]: opens the project;
// --from-contents rebuilds the outline from the contents file (.cnt) and
// saves it, --edit runs the Outline Editor as the user's --script says;
// then prints the outline through get_outline.
int run_outline(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args);

}  // namespace host
