#include "host/session_setup.h"

#include <cstdio>

#include "host/export_signatures.h"
#include "host/flows.h"
#include "host/libraries.h"
#include "host/user_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/ui/host.h"
#include "tarvenwick/version.h"

namespace host {
namespace {

// A host path from the command line, absolute: flows may change the
// current folder (GetDestFile6 does).
std::string absolute_host_path(const std::string& typed) {
  if (!typed.empty() && typed[0] == '/') return typed;
  return user_folder() + "/" + typed;
}

int set_up_transcript(const Options& o) {
  auto* headless = ui::headless();
  if (o.transcript.empty() || !headless) return kExitSuccess;
  std::string path = absolute_host_path(o.transcript);
  std::string system = platform::to_system_path(path);
  bool writable = o.append_transcript ? platform::append_file(system, "")
                                      : platform::write_file(system, "");
  if (!writable || platform::directory_exists(system)) {
    std::fprintf(stderr, "twhost: cannot write the transcript %s\n", o.transcript.c_str());
    return kExitFailure;
  }
  headless->set_transcript_file(path);
  return kExitSuccess;
}

int set_up_script(const Options& o, ScriptSession& script) {
  if (o.script.empty()) return kExitSuccess;
  std::optional<std::string> text = platform::read_file(platform::to_system_path(absolute_host_path(o.script)));
  if (!text) {
    std::fprintf(stderr, "twhost: cannot read the script %s\n", o.script.c_str());
    return kExitFailure;
  }
  std::vector<std::string> errors;
  if (script.load(*text, o.script, errors)) return kExitSuccess;
  for (const auto& e : errors) std::fprintf(stderr, "twhost: %s\n", e.c_str());
  return kExitUsage;
}

std::string library_version(const Libraries& libs, const std::string& name) {
  auto get = typed_export<decltype(&::TWGetVersion)>(libs, name + ":TWGetVersion");
  char text[64] = "";
  return get && get(text) == 1 ? text : "unknown";
}

}  // namespace

int set_up_session(const Options& options, ScriptSession& script) {
  // A script says what the user does: its dialogs run headless unless the
  // user asks for the desktop.
  if (options.gui || options.flow == "desktop") ui::request_host(ui::HostChoice::gui);
  else if (!options.script.empty()) ui::request_host(ui::HostChoice::headless);
  if (!options.root.empty()) platform::set_root_folder(absolute_host_path(options.root));
  if (int code = set_up_transcript(options)) return code;
  return set_up_script(options, script);
}

int print_version() {
  std::printf("twhost %s\n", TARVENWICK_VERSION);
  Libraries libs;
  std::string error;
  if (!load_libraries(libs, error)) {
    std::printf("libraries: %s\n", error.c_str());
    return kExitSuccess;
  }
  std::printf("libtrvwck32 %s, libtwzhtml %s\n", library_version(libs, "trvwck32").c_str(),
              library_version(libs, "twzhtml").c_str());
  return kExitSuccess;
}

}  // namespace host
