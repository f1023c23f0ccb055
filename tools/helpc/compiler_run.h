// One run of the help compiler stand-in: find the project, check it, write
// the log beside it.
#pragma once
#include <string>

#include "tools/helpc/invocation.h"

namespace helpc {

// Exit statuses: no errors (warnings allowed), errors found, or the project
// could not be checked at all (wrong command line, no project file).
inline constexpr int kExitClean = 0;
inline constexpr int kExitErrors = 1;
inline constexpr int kExitNotChecked = 2;

struct RunResult {
  int exit_status = kExitNotChecked;
  std::string log_path;  // "" when no log was written
  // The log's last line, or what went wrong, for the terminal: the project
  // as a host path even when the caller named it in drive form (the log
  // keeps the form it was given, which the message viewer reads).
  std::string summary;
};

RunResult run_compile(const Invocation& invocation);

// The log of a project: its path with extension ".log".
std::string log_path_of(const std::string& project_path);

// Writes the log so that it appears whole: into a temporary file first,
// which then takes the log's name.
bool write_log(const std::string& log_path, const std::string& text);

}  // namespace helpc
