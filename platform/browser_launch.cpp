// Opening a publication in the desktop's web browser.
#include "platform/browser_launch.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <mutex>

#include "platform/internal.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"

extern char** environ;

namespace platform {
namespace {

constexpr std::string_view kFilePrefix = "file:///";
// The launcher's argument is the URL after this mark.
constexpr std::string_view kUrlMark = ">";

bool plain_url_byte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
}

std::string percent_encode(std::string_view path) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : path) {
    if (plain_url_byte(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += digits[c >> 4];
      out += digits[c & 15];
    }
  }
  return out;
}

// Runs a program (looked up on PATH) and returns what it printed, at most a
// few kilobytes; "" when it cannot run or fails.
std::string output_of(const std::vector<std::string>& args) {
  int fds[2];
  if (::pipe(fds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(fds[1]);
  std::string out;
  if (rc == 0) {
    char buffer[1024];
    ssize_t n;
    while (out.size() < 8192 && ((n = ::read(fds[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))) {
      if (n > 0) out.append(buffer, static_cast<size_t>(n));
    }
  }
  ::close(fds[0]);
  if (rc != 0) return {};
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? out : std::string();
}

std::vector<std::string> desktop_entry_folders() {
  std::vector<std::string> folders;
  const char* data_home = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  if (data_home && *data_home) folders.push_back(data_home);
  else if (home && *home) folders.push_back(std::string(home) + "/.local/share");
  const char* dirs = std::getenv("XDG_DATA_DIRS");
  for (auto& dir : text::split(dirs && *dirs ? dirs : "/usr/local/share:/usr/share", ':')) {
    if (!dir.empty()) folders.push_back(dir);
  }
  return folders;
}

// The program of a desktop entry's "Exec=" line, without its arguments.
std::string entry_program(const std::string& host) {
  std::ifstream in(host);
  std::string line;
  while (std::getline(in, line)) {
    if (!text::istarts_with(line, "Exec=")) continue;
    auto args = split_command_line(text::trim(line.substr(5)));
    return args.empty() ? std::string() : args[0];
  }
  return {};
}

struct DesktopHooks {
  std::mutex mutex;
  UrlOpener opener;
  BrowserQuery query;
};
DesktopHooks& hooks() {
  static DesktopHooks h;
  return h;
}

int open_url(const std::string& url) {
  UrlOpener opener;
  {
    std::lock_guard lock(hooks().mutex);
    opener = hooks().opener;
  }
  return opener ? opener(url) : shell_open(url);
}

std::string desktop_default_browser();

}  // namespace

void set_url_opener(UrlOpener opener) {
  std::lock_guard lock(hooks().mutex);
  hooks().opener = std::move(opener);
}

void set_default_browser_query(BrowserQuery query) {
  std::lock_guard lock(hooks().mutex);
  hooks().query = std::move(query);
}

std::string host_file_url(std::string_view stored_url) {
  if (!text::istarts_with(stored_url, kFilePrefix)) return std::string(stored_url);
  std::string path(stored_url.substr(kFilePrefix.size()));
  if (path.size() >= 2 && (path[1] == '|' || path[1] == ':')) {
    path[1] = ':';
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    path = to_host_path(path);
  } else {
    path = "/" + path;
  }
  return "file://" + percent_encode(path);
}

int open_host_file(std::string_view host_path) {
  const std::size_t mark = host_path.find('#');
  std::string url = "file://" + percent_encode(host_path.substr(0, mark));
  if (mark != std::string_view::npos) url += std::string(host_path.substr(mark));
  return open_url(url);
}

bool is_browser_launcher(std::string_view command_line) {
  auto args = split_command_line(command_line);
  if (args.empty()) return false;
  std::string_view name = file_name_of(args[0]);
  return text::iequals(name, "lfcbrws.exe") || text::iequals(name, "lfcbrws");
}

int start_browser_launcher(std::string_view command_line, int show) {
  (void)show;  // the desktop's browser decides how it shows itself
  size_t mark = command_line.find(kUrlMark);
  int code = kExecFileNotFound;
  if (mark != std::string_view::npos) {
    std::string url(text::trim(command_line.substr(mark + kUrlMark.size())));
    if (!url.empty()) code = open_url(host_file_url(url));
  }
  internal::note(text::format("launch \"%.*s\" -> %d", static_cast<int>(command_line.size()),
                              command_line.data(), code));
  return code;
}

std::string default_browser_command() {
  BrowserQuery query;
  {
    std::lock_guard lock(hooks().mutex);
    query = hooks().query;
  }
  return query ? query() : desktop_default_browser();
}

namespace {

std::string desktop_default_browser() {
  std::string entry(text::trim(output_of({"xdg-settings", "get", "default-web-browser"})));
  if (entry.empty() || entry.find('/') != std::string::npos) return {};
  for (const auto& folder : desktop_entry_folders()) {
    std::string program = entry_program(folder + "/applications/" + entry);
    if (program.empty()) continue;
    std::string found = find_program_path(program);
    return found.empty() ? program : found;
  }
  return {};
}

}  // namespace

}  // namespace platform
