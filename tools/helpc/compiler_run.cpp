#include "tools/helpc/compiler_run.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "tools/helpc/compile_log.h"
#include "tools/helpc/project_check.h"

namespace helpc {

std::string log_path_of(const std::string& project_path) {
  return platform::replace_extension(project_path, ".log");
}

bool write_log(const std::string& log_path, const std::string& text) {
  const std::string temporary = log_path + ".tmp";
  if (!platform::write_file(temporary, text)) return false;
  if (platform::file_exists(log_path)) platform::remove_file(log_path);
  if (platform::rename_file(temporary, log_path)) return true;
  // The old log is held open elsewhere: write over it in place.
  bool written = platform::write_file(log_path, text);
  platform::remove_file(temporary);
  return written;
}

namespace {

// The project as the user sees it on the terminal: never the drive form.
std::string shown_project(const std::string& project_path) {
  return platform::has_drive(project_path) ? platform::to_host_path(project_path) : project_path;
}

}  // namespace

RunResult run_compile(const Invocation& invocation) {
  RunResult result;
  if (!invocation.error.empty()) {
    result.summary = invocation.error;
    return result;
  }
  std::optional<std::string> project = locate_project(invocation.project);
  std::string project_path = project.value_or(invocation.project);
  CompileLog log;
  check_project(project_path, log);
  std::string program = invocation.program.empty() ? "hcp" : invocation.program;
  std::string text = render_log(log, invocation.family, project_path, program + ".exe");
  result.summary = summary_line(log, shown_project(project_path));
  result.exit_status = project ? log.exit_status() : kExitNotChecked;
  if (write_log(log_path_of(project_path), text)) result.log_path = log_path_of(project_path);
  return result;
}

}  // namespace helpc
