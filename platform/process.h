// Starting outside programs, as WinExec and ShellExecute do.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Show states of WinExec / ShowWindow.
enum ShowState { kHide = 0, kShowNormal = 1, kShowMinimized = 2, kShowMaximized = 3,
                 kShowNoActivate = 4, kShow = 5, kMinimize = 6, kShowMinNoActive = 7 };

// Windows error codes a start can return (success is >= 32).
constexpr int kExecOutOfMemory = 0;
constexpr int kExecFileNotFound = 2;
constexpr int kExecPathNotFound = 3;
constexpr int kExecBadFormat = 11;
constexpr int kExecSuccess = 33;

// Splits a command line by the Windows rules: blanks separate arguments,
// double quotes group, backslashes escape quotes only before a quote.
std::vector<std::string> split_command_line(std::string_view command_line);
// Quotes one argument so that split_command_line gives it back unchanged
// (returned as it is when it needs no quotes).
std::string quote_argument(std::string_view argument);

struct StartResult {
  int code = kExecFileNotFound;  // >= 32 on success
  int process_id = 0;            // 0 when nothing was started
};

// Starts the program of a command line. The program is looked up as a system
// path (case-insensitive, ".exe" names included), then on the host PATH.
// working_directory empty means the current directory (kExecPathNotFound when
// it does not exist). kExecBadFormat: found but not executable. The child's
// standard input is /dev/null. Noted in the UI host's
// transcript as: exec "COMMAND LINE" show=N -> CODE
StartResult start_program(std::string_view command_line, int show,
                          std::string_view working_directory = {});
// Adds a folder of the installation's own programs (the stand-ins for
// outside programs), searched after the Windows directory and before PATH.
void add_program_folder(std::string_view host_folder);
// The host path start_program would run for a program name, "" when none.
std::string find_program_path(std::string_view name);

// WinExec: start_program's code only.
int win_exec(std::string_view command_line, int show);

// Whether programs a project's settings name (the post-conversion script)
// may start in this process; a caller that cannot vouch for the settings
// file turns this off. On by default.
void set_project_programs_allowed(bool allowed);
bool project_programs_allowed();

// True while a started program is still running (reaps it when it ended).
bool process_running(int process_id);
// Exit status of an ended program, nullopt while it runs or when unknown.
std::optional<int> process_exit_status(int process_id);
// Waits for a started program to end; returns its exit status (-1 unknown).
int wait_for_process(int process_id);

// Shell "open" of a document with the desktop's opener (the `opener` key of
// section [Platform] in <root>/windows/win.ini, else xdg-open when present).
// Returns a code > 32 on success as ShellExecute does.
int shell_open(std::string_view document);

}  // namespace platform
