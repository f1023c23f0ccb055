// The named flows of twhost: the main jobs as the word processor's macros
// run them, and the generic export call.
#pragma once
#include <string>
#include <vector>

#include "host/libraries.h"

namespace host {

// A path given on the command line in the system's form, made absolute so that
// the programs the libraries start (which run in other folders) find it too.
std::string argument_path(const std::string& path);

// twhost call EXPORT ARG...: prints the result, then each text buffer.
int run_call(const Libraries& libs, const std::vector<std::string>& args);
// twhost start: InitTW, then TWStartUp; prints the document to open.
int run_start(const Libraries& libs);
// twhost sample PROJECT: opens (or creates) the project through the exports
// and prints where its files are.
int run_sample(const Libraries& libs, const std::string& project);

}  // namespace host
