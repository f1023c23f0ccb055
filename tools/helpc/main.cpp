// The help compiler stand-in, installed as hcw.exe, hcrtf.exe, hcp.exe,
// hc31.exe and hc.exe: checks a help project and writes its messages to
// the project's ".log" file, in the format of the compiler it was called
// as. Called as Help Workshop (hcw, hcrtf) it also writes the help file.
// "--list FILE.hlp" lists a help file's internal files and what they hold.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tools/helpc/compiler_run.h"
#include "tools/helpc/hlp/help_file_summary.h"

namespace {

int list_help_file(const std::string& program, const std::string& path) {
  std::optional<std::string> bytes = platform::read_file(path);
  if (!bytes) {
    std::fprintf(stderr, "%s: %s could not be read\n", program.c_str(), path.c_str());
    return helpc::kExitNotChecked;
  }
  auto summary = hlp::summarize_help_file(*bytes);
  if (!summary) {
    std::fprintf(stderr, "%s: %s is not a help file or is damaged\n", program.c_str(), path.c_str());
    return helpc::kExitErrors;
  }
  std::printf("%s", hlp::format_summary(*summary).c_str());
  return helpc::kExitClean;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv, argv + argc);
  if (arguments.size() == 3 && arguments[1] == "--list") return list_help_file(arguments[0], arguments[2]);
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
