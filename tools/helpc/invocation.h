// The command lines of the help compilers this program stands in for:
//   hcw /c/e PROJECT     Help Workshop, compile and exit
//   hcrtf /x PROJECT     Help Workshop's command-line compiler
//   hcp PROJECT          the Windows 3.1 compilers (also hc31, hc)
// The program's own name chooses the message format; switches are accepted
// and, for a name of no known compiler, "/x", "/c" or "/e" mean Help Workshop.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/helpc/messages.h"

namespace helpc {

struct Invocation {
  Family family = Family::win31;
  std::string program;  // the program's name, lower case, without ".exe"
  std::string project;  // the project file as given
  std::string error;    // what is wrong with the command line, "" when nothing
};

Invocation parse_invocation(const std::vector<std::string>& arguments);

// The usage text printed for a wrong command line.
std::string usage_text(std::string_view program);

// The project file a command line names, as a path this process can open:
// ".hpj" is added to a name without extension. The compiler is started in
// the project's folder, so a drive path that names nothing here but whose
// folders end the current folder's path gets its drive mapped onto that
// folder's ancestor (a caller with another root folder). nullopt when the
// file cannot be found.
std::optional<std::string> locate_project(std::string_view argument);

}  // namespace helpc
