// Starting outside programs, as WinExec and ShellExecute do.
#include "platform/process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <mutex>

#include "platform/browser_launch.h"
#include "platform/internal.h"
#include "platform/outside_program.h"
#include "platform/paths.h"
#include "platform/product_help.h"
#include "platform/profile.h"
#include "platform/text.h"

extern char** environ;

namespace platform {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// --- Children -------------------------------------------------------------

struct Child {
  bool ended = false;
  int status = -1;  // exit status once ended, -1 when unknown
};

struct Children {
  std::mutex mutex;
  std::map<int, Child> by_pid;
};

Children& children() {
  static Children c;
  return c;
}

int decode_status(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

// Reaps the child when it has ended (without waiting unless wait is set).
void poll_child(int pid, Child& child, bool wait) {
  if (child.ended) return;
  int status = 0;
  pid_t r;
  do {
    r = ::waitpid(pid, &status, wait ? 0 : WNOHANG);
  } while (r < 0 && errno == EINTR);
  if (r == pid) {
    child.ended = true;
    child.status = decode_status(status);
  } else if (r < 0) {
    child.ended = true;  // reaped elsewhere: status unknown
  }
}

// Reaps every started program that has ended, so none lingers as a zombie.
void reap_ended_children() {
  std::lock_guard lock(children().mutex);
  for (auto& [pid, child] : children().by_pid) poll_child(pid, child, false);
}

// --- Finding the program ----------------------------------------------------

enum class Found { none, not_executable, ok };

Found check_program(const std::string& host) {
  struct stat st;
  if (host.empty() || ::stat(host.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return Found::none;
  if (!S_ISREG(st.st_mode) || ::access(host.c_str(), X_OK) != 0) return Found::not_executable;
  return Found::ok;
}

// Folders of the installation's own programs, searched before the host PATH.
struct ProgramFolders {
  std::mutex mutex;
  std::vector<std::string> folders;
};
ProgramFolders& program_folders() {
  static ProgramFolders folders;
  return folders;
}

std::vector<std::string> host_path_folders() {
  const char* path = std::getenv("PATH");
  std::vector<std::string> folders;
  {
    std::lock_guard lock(program_folders().mutex);
    folders = program_folders().folders;
  }
  for (auto& dir : text::split(path ? path : "", ':')) folders.push_back(dir.empty() ? "." : dir);
  return folders;
}

struct Program {
  int code = kExecFileNotFound;
  std::string host;  // absolute host path when code is success
};

// Looks the program up as a system path (a bare name also in the Windows
// directory and on the host PATH); a name ending in ".exe" is also tried
// without it.
Program find_program(std::string_view name) {
  std::vector<std::string> names{std::string(name)};
  if (text::iends_with(name, ".exe") && name.size() > 4) {
    names.emplace_back(name.substr(0, name.size() - 4));
  }
  bool has_folder = name.find_first_of("\\/") != std::string_view::npos ||
                    (name.size() >= 2 && name[1] == ':');
  Program result;
  for (const auto& n : names) {
    std::vector<std::string> candidates{to_host_path(n)};
    if (!has_folder) {
      candidates.push_back(to_host_path(windows_directory() + "/" + n));
      for (const auto& dir : host_path_folders()) candidates.push_back(to_host_path(dir + "/" + n));
    }
    for (auto& host : candidates) {
      Found found = check_program(host);
      if (found == Found::not_executable) result.code = kExecBadFormat;
      if (found != Found::ok) continue;
      result.code = kExecSuccess;
      result.host = host[0] == '/' ? host : current_directory() + "/" + host;
      return result;
    }
  }
  return result;
}

}  // namespace

void add_program_folder(std::string_view host_folder) {
  std::lock_guard lock(program_folders().mutex);
  auto& folders = program_folders().folders;
  if (std::find(folders.begin(), folders.end(), host_folder) == folders.end()) {
    folders.emplace_back(host_folder);
  }
}

std::string find_program_path(std::string_view name) {
  Program program = find_program(name);
  return program.code == kExecSuccess ? program.host : std::string();
}

namespace {

int spawn_error_code(int error) {
  switch (error) {
    case ENOENT: case ENOTDIR: return kExecFileNotFound;
    case ENOMEM: case EAGAIN: return kExecOutOfMemory;
    default: return kExecBadFormat;
  }
}

// Spawns program with args, stdin from /dev/null; returns the pid or -errno.
int spawn(const std::string& program, const std::vector<std::string>& args,
          const std::string& working_directory) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (!working_directory.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, working_directory.c_str());
  }
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t none, all;
  sigemptyset(&none);
  sigfillset(&all);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setsigdefault(&attr, &all);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (size_t i = 1; i < args.size(); ++i) argv.push_back(const_cast<char*>(args[i].c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  int rc = posix_spawn(&pid, program.c_str(), &actions, &attr, argv.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? static_cast<int>(pid) : -rc;
}

StartResult start(std::string_view command_line, std::string_view working_directory, bool host_paths) {
  reap_ended_children();
  StartResult result;
  auto args = split_command_line(command_line);
  if (args.empty() || args[0].empty()) return result;
  std::string folder;
  if (!working_directory.empty()) {
    folder = to_host_path(working_directory);
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
      result.code = kExecPathNotFound;
      return result;
    }
  }
  Program program = find_program(args[0]);
  if (program.code != kExecSuccess) {
    result.code = program.code;
    return result;
  }
  // Outside programs know only host paths: every argument in the drive form
  // names a file and is handed over as its host path.
  if (host_paths) {
    for (size_t i = 1; i < args.size(); ++i) {
      if (has_drive(args[i])) args[i] = to_host_path(args[i]);
    }
  }
  int pid = spawn(program.host, args, folder);
  if (pid < 0) {
    result.code = spawn_error_code(-pid);
    return result;
  }
  {
    std::lock_guard lock(children().mutex);
    children().by_pid[pid] = Child{};
  }
  result.code = kExecSuccess;
  result.process_id = pid;
  return result;
}

bool looks_like_url(std::string_view s) {
  size_t colon = s.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  for (size_t i = 0; i < colon; ++i) {
    char c = s[i];
    bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
              (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
    if (!ok) return false;
  }
  return true;
}

std::string replace_all(std::string s, std::string_view from, std::string_view to) {
  for (size_t pos = 0; (pos = s.find(from, pos)) != std::string::npos; pos += to.size()) {
    s.replace(pos, from.size(), to);
  }
  return s;
}

}  // namespace

std::vector<std::string> split_command_line(std::string_view s) {
  std::vector<std::string> args;
  size_t i = 0, n = s.size();
  while (i < n && is_blank(s[i])) ++i;
  if (i == n) return args;
  // The program name: up to a blank, or between quotes; no escapes.
  std::string program;
  if (s[i] == '"') {
    for (++i; i < n && s[i] != '"'; ++i) program += s[i];
    if (i < n) ++i;
  } else {
    for (; i < n && !is_blank(s[i]); ++i) program += s[i];
  }
  args.push_back(std::move(program));
  for (;;) {
    while (i < n && is_blank(s[i])) ++i;
    if (i == n) break;
    std::string arg;
    bool quoted = false;
    while (i < n && (quoted || !is_blank(s[i]))) {
      if (s[i] == '\\') {
        size_t count = 0;
        while (i < n && s[i] == '\\') ++count, ++i;
        if (i < n && s[i] == '"') {
          arg.append(count / 2, '\\');
          if (count % 2 == 1) arg += s[i++];  // an escaped quote
        } else {
          arg.append(count, '\\');
        }
      } else if (s[i] == '"') {
        if (quoted && i + 1 < n && s[i + 1] == '"') {
          arg += '"';  // "" inside quotes stands for one quote
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        arg += s[i++];
      }
    }
    args.push_back(std::move(arg));
  }
  return args;
}

std::string quote_argument(std::string_view argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos) {
    return std::string(argument);
  }
  std::string out = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      out.append(backslashes * 2 + 1, '\\');
    } else {
      out.append(backslashes, '\\');
    }
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, '\\');
  out += '"';
  return out;
}

StartResult start_program(std::string_view command_line, int show,
                          std::string_view working_directory) {
  if (is_browser_launcher(command_line)) {
    StartResult launched;
    launched.code = start_browser_launcher(command_line, show);
    return launched;
  }
  if (auto shown = start_product_help_viewer(command_line)) {
    StartResult viewed;
    viewed.code = *shown;
    return viewed;
  }
  StartResult result = start(command_line, working_directory, false);
  internal::note(text::format("exec \"%.*s\" show=%d -> %d", static_cast<int>(command_line.size()),
                              command_line.data(), show, result.code));
  return result;
}

StartResult start_outside_program(std::string_view command_line, int show,
                                  std::string_view working_directory) {
  StartResult result = start(command_line, working_directory, true);
  internal::note(text::format("exec \"%.*s\" show=%d -> %d", static_cast<int>(command_line.size()),
                              command_line.data(), show, result.code));
  return result;
}

int win_exec(std::string_view command_line, int show) {
  return start_program(command_line, show).code;
}

namespace {
std::atomic<bool> project_programs{true};
}  // namespace

void set_project_programs_allowed(bool allowed) { project_programs = allowed; }
bool project_programs_allowed() { return project_programs; }

bool process_running(int process_id) {
  if (process_id <= 0) return false;
  {
    std::lock_guard lock(children().mutex);
    auto it = children().by_pid.find(process_id);
    if (it != children().by_pid.end()) {
      poll_child(process_id, it->second, false);
      return !it->second.ended;
    }
  }
  return ::kill(process_id, 0) == 0 || errno == EPERM;
}

std::optional<int> process_exit_status(int process_id) {
  std::lock_guard lock(children().mutex);
  auto it = children().by_pid.find(process_id);
  if (it == children().by_pid.end()) return std::nullopt;
  poll_child(process_id, it->second, false);
  if (!it->second.ended || it->second.status < 0) return std::nullopt;
  return it->second.status;
}

int wait_for_process(int process_id) {
  std::lock_guard lock(children().mutex);
  auto it = children().by_pid.find(process_id);
  if (it == children().by_pid.end()) return -1;
  poll_child(process_id, it->second, true);
  return it->second.status;
}

int shell_open(std::string_view document) {
  std::string target(document);
  if (!looks_like_url(document)) {
    target = to_host_path(document);
    struct stat st;
    if (target.empty() || ::stat(target.c_str(), &st) != 0) return kExecFileNotFound;
  }
  std::string quoted = quote_argument(target);
  std::string opener = get_profile_string("Platform", "opener", "", 1024, "win.ini");
  std::string command;
  if (!opener.empty()) {
    bool has_slot = opener.find("%1") != std::string::npos;
    command = has_slot ? replace_all(replace_all(opener, "\"%1\"", "%1"), "%1", quoted)
                       : opener + " " + quoted;
  } else if (find_program("xdg-open").code == kExecSuccess) {
    command = "xdg-open " + quoted;
  } else {
    return kExecFileNotFound;
  }
  return start_program(command, kShowNormal).code;
}

}  // namespace platform
