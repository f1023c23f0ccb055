#include "host/outline_flow.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "host/export_call.h"
#include "host/flows.h"
#include "host/user_paths.h"
#include "platform/paths.h"
#include "platform/ui/host.h"

namespace host {
namespace {

// get_outline's title and target buffers; the level's is a caller buffer.
constexpr size_t kOutlineTextRoom = 5000;
constexpr size_t kLevelRoom = 256;
constexpr int kMostEntries = 1000000;  // a guard against a library that never ends
constexpr std::string_view kContinue = "next";

std::string open_script(const std::string& project) {
  return "dialog 21000\nclick 1\ndialog DLG_START\nclick 102\nfile " + project + "\n";
}

// The editor on the caller's screen (the headless host's is large), its
// import confirmed, and the outline saved.
constexpr const char* kImportScript = "dialog DLG_OUT_B\nclick 111\nmessage OK\nclick 1\n";

void print_entry(const std::string& level, const std::string& title, const std::string& target) {
  const int depth = std::atoi(level.c_str());
  const std::string indent(static_cast<size_t>(depth >= 1 && depth <= 10 ? depth - 1 : 0) * 2, ' ');
  std::string line = indent + (title.empty() ? "(untitled)" : title);
  if (depth == 1 && target == "*ext*") line += " (external document)";
  else if (depth != 1 && !target.empty()) line += "  -> " + target;
  std::printf("  %s\n", line.c_str());
}

// A buffer of room bytes holding text.
std::string buffer(size_t room, std::string_view text = {}) {
  std::string b(room, '\0');
  b.replace(0, text.size(), text);
  return b;
}

int print_outline(const Libraries& libs, const std::string& project) {
  auto get = TW_EXPORT_FUNCTION(libs, get_outline);
  const std::string shown = shown_path(platform::replace_extension(project, ".out"));
  std::string path = buffer(project.size() + 1, project), target = buffer(kOutlineTextRoom),
              title = buffer(kOutlineTextRoom), level = buffer(kLevelRoom, "1");
  if (get(path.data(), target.data(), title.data(), level.data()) != 1) {
    std::printf("no outline %s\n", shown.c_str());
    return kExitSuccess;
  }
  std::printf("outline %s:\n", shown.c_str());
  for (int n = 0; n < kMostEntries; ++n) {
    // Anything but "1" goes on; a blank line leaves the buffer as it is.
    level = buffer(kLevelRoom, kContinue);
    if (get(path.data(), target.data(), title.data(), level.data()) != 1) return kExitSuccess;
    if (std::string_view(level.c_str()) != kContinue) print_entry(level.c_str(), title.c_str(), target.c_str());
  }
  return kExitFailure;
}

}  // namespace

int run_outline(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args) {
  std::string path;
  if (args.empty() || !project_argument("outline", args[0], path)) return kExitFailure;
  const std::string mode = args.size() > 1 ? args[1] : "";
  if (!mode.empty() && mode != "--from-contents" && mode != "--edit") {
    std::fprintf(stderr, "twhost outline: unknown choice '%s' (--from-contents or --edit)\n", mode.c_str());
    return kExitUsage;
  }
  script.queue(open_script(path));
  if (run_start(libs) != kExitSuccess) return kExitFailure;
  if (!mode.empty()) {
    if (mode == "--from-contents") script.queue(kImportScript);
    const int32_t result = TW_EXPORT_FUNCTION(libs, EditOutline)(ui::host().main_window(), path.data());
    std::printf("EditOutline -> %d\n", result);
  }
  return print_outline(libs, path);
}

}  // namespace host
