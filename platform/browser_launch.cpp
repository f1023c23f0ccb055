// Opening a publication in the desktop's web browser.
#include "platform/browser_launch.h"

#include <mutex>

#include "platform/desktop_browser.h"
#include "platform/internal.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"

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

}  // namespace platform
