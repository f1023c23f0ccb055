// The help compiler stand-in, installed as hcw.exe, hcrtf.exe, hcp.exe,
// hc31.exe and hc.exe: checks a help project and writes its messages to
// the project's ".log" file, in the format of the compiler it was called as.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/helpc/compiler_run.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv, argv + argc);
  helpc::Invocation invocation = helpc::parse_invocation(arguments);
  if (!invocation.error.empty()) {
    std::fprintf(stderr, "%s: %s\n%s", invocation.program.c_str(), invocation.error.c_str(),
                 helpc::usage_text(invocation.program).c_str());
    return helpc::kExitNotChecked;
  }
  helpc::RunResult result = helpc::run_compile(invocation);
  std::printf("%s\n", result.summary.c_str());
  if (result.log_path.empty()) std::fprintf(stderr, "%s: the log could not be written\n", invocation.program.c_str());
  return result.exit_status;
}
