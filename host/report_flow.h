// twhost report PROJECT: the topic report as the word processor's macro
// runs it.
#pragma once
#include <string>

#include "host/libraries.h"
#include "host/script_session.h"

namespace host {

// Opens the project through InitTW and the start dialog (as `twhost sample`
// does), runs GenReport with its default options and prints the report.
// Returns the program's exit code.
int run_report(const Libraries& libs, ScriptSession& script, const std::string& project);

}  // namespace host
