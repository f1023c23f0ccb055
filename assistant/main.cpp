// pointip, the "Pointip" Assistant: writes the popup help of an
// application's dialog controls. It takes no arguments but --root, the
// user's root folder (settings and installation folder).
#include <cstdio>
#include <string>
#include <string_view>

#include "assistant/panel.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/program.h"

namespace {

constexpr const char* kUsage =
    "usage: pointip [--root DIR]\n"
    "The \"Pointip\" Assistant: popup help for the controls of an application's dialogs.\n"
    "  --root DIR   the user's root folder (settings, installation folder);\n"
    "               default $TARVENWICK_ROOT, else $XDG_DATA_HOME/tarvenwick\n";

// The help compiler stand-ins: the installation's program folder, or the
// build tree's.
void add_program_folders() {
  std::string exe = platform::executable_path();
  std::string installed = std::string(platform::directory_of(exe)) + "/" + TW_BIN_TO_PROGRAMDIR;
  if (platform::directory_exists(installed)) platform::add_program_folder(installed);
  if (platform::directory_exists(TW_BUILD_PROGRAMDIR)) platform::add_program_folder(TW_BUILD_PROGRAMDIR);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (arg == "--root" && i + 1 < argc) {
      platform::set_root_folder(argv[++i]);
      continue;
    }
    std::fprintf(stderr, "pointip: unexpected argument '%s'\n%s", argv[i], kUsage);
    return 2;
  }
  add_program_folders();
  assistant::App app;
  return assistant::run_assistant(app);
}
