// The named flows of twhost: the main jobs as the word processor's macros
// run them, and the generic export call.
#pragma once
#include <string>
#include <vector>

#include "host/libraries.h"
#include "host/script_session.h"
#include "host/user_paths.h"

namespace host {

// Exit codes: the work was done, failed, or the command line was wrong.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// twhost call EXPORT ARG...: prints the result, then each text buffer.
int run_call(const Libraries& libs, const std::vector<std::string>& args);
// twhost start: InitTW, then TWStartUp; prints the document to open.
int run_start(const Libraries& libs);
// twhost sample PROJECT: opens the project through the exports, saves it and
// prints where its files are.
int run_sample(const Libraries& libs, ScriptSession& script, const std::string& project);

// The open project's files beside it, its folder (GetProjPath) and its
// topic files (GetAllFiles).
void print_project_files(const Libraries& libs, const std::string& project);

// The project argument of a flow as a system path; false with the message
// printed ("twhost FLOW: not a help project: PATH") when it is not one.
bool project_argument(const std::string& flow, const std::string& typed, std::string& path);

}  // namespace host
