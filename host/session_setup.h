// What twhost sets up before a flow runs: the root folder, the transcript and
// the user's script; and what --version prints.
#pragma once
#include "host/options.h"
#include "host/script_session.h"

namespace host {

// Applies --root, --transcript (started anew unless --append) and --script;
// prints the message and returns the exit code when one cannot be used,
// else 0.
int set_up_session(const Options& options, ScriptSession& script);
// twhost --version: twhost's version and the libraries' (TWGetVersion).
int print_version();

}  // namespace host
