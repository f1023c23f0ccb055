// What the authoring window works on: the project open in the authoring
// library and the topic file chosen as the current document. Every menu
// command uses these; none opens the project again.
#pragma once
#include <string>

#include "host/libraries.h"
#include "host/script_session.h"

namespace host {

struct Desktop {
  const Libraries& libs;
  ScriptSession& script;
  std::string project;   // the .hpj in the system's form, "" before one is open
  std::string document;  // the current topic file as the project names it (host form)
  std::string unshown;   // printed before the window could show it: for its log pane
};

}  // namespace host
