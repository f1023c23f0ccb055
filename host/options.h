// twhost's command line: global options, then a flow and its arguments.
#pragma once
#include <string>
#include <vector>

namespace host {

struct Options {
  std::string root;        // --root DIR
  std::string script;      // --script FILE
  std::string transcript;  // --transcript FILE
  std::string flow;        // call, start, sample, ...
  std::vector<std::string> args;
  std::string error;       // set when the command line is wrong
};

Options parse_options(int argc, char** argv);
// The usage text printed for a wrong command line or --help.
const char* usage();

}  // namespace host
