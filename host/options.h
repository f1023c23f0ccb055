// twhost's command line: global options, then a flow and its arguments.
#pragma once
#include <string>
#include <vector>

namespace host {

enum class Action { run, help, version };

struct Options {
  Action action = Action::run;
  std::string root;        // --root DIR
  std::string script;      // --script FILE
  std::string transcript;  // --transcript FILE
  bool append_transcript = false;  // --append
  bool gui = false;                // --gui
  std::string flow;        // call, start, sample, ...; for help: the flow asked about
  std::vector<std::string> args;
  std::string error;       // set when the command line is wrong
};

// Reads the command line; wrong usage sets error (the flow's arguments are
// checked by the flow).
Options parse_options(int argc, char** argv);

}  // namespace host
