#include "host/build_flow.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "host/export_call.h"
#include "host/flows.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace host {
namespace {

using InitFn = int32_t (*)(int32_t, int32_t);
using IntFn = int32_t (*)(int32_t);
using TwoTextFn = int32_t (*)(char*, char*);
using ViewErrorsFn = int32_t (*)(int32_t, char*, char*, char*);

// How often the caller looks whether the compile has ended, and for how long.
constexpr auto kPollInterval = std::chrono::milliseconds(100);
constexpr auto kCompileTimeout = std::chrono::minutes(5);
// Time for the compiler to exit once its log is complete.
constexpr auto kExitGrace = std::chrono::milliseconds(300);

template <typename F>
F function(const Libraries& libs, const char* name) {
  return reinterpret_cast<F>(find_export(libs, name));
}

// Polls TWIsInit, as the macros do while a compile runs, until the log is
// there; false when it never appears.
bool wait_for_log(const Libraries& libs, const std::string& log) {
  auto poke = function<IntFn>(libs, "TWIsInit");
  const auto deadline = std::chrono::steady_clock::now() + kCompileTimeout;
  while (!platform::file_exists(log)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    poke(0);
    std::this_thread::sleep_for(kPollInterval);
  }
  // The progress window sees the compiler gone (the first poke may only
  // arm a window that has not had its first tick yet).
  std::this_thread::sleep_for(kExitGrace);
  poke(0);
  poke(0);
  return true;
}

void view_errors(const Libraries& libs) {
  char file[kTextBufferSize] = "", position[kTextBufferSize] = "", message[kTextBufferSize] = "";
  int32_t result =
      function<ViewErrorsFn>(libs, "ViewErrors")(ui::host().main_window(), file, position, message);
  std::printf("ViewErrors -> %d\n", result);
  if (result == 1) std::printf("problem topic: #%s of %s\nmessage: %s\n", position, file, message);
}

void print_log(const std::string& log) {
  std::optional<std::string> bytes = platform::read_file(log);
  if (!bytes) return;
  std::printf("compiler messages (%s):\n", log.c_str());
  for (const auto& line : text::split_lines(*bytes)) {
    if (!line.empty()) std::printf("  %s\n", line.c_str());
  }
}

}  // namespace

int run_build(const Libraries& libs, const std::string& project) {
  const std::string path = argument_path(project);
  if (!platform::file_exists(path)) {
    std::fprintf(stderr, "twhost build: no project file %s\n", project.c_str());
    return 1;
  }
  platform::write_profile_string("TARVENWICK", "PROJECT", path, "TRVWCK6.INI");
  function<InitFn>(libs, "InitTW")(ui::host().main_window(), 0);
  // The old log goes, so that the new one shows when the compiler is done.
  const std::string log = platform::replace_extension(path, ".log");
  platform::remove_file(log);

  char document[kTextBufferSize] = "", project_file[kTextBufferSize] = "";
  std::snprintf(document, sizeof document, "%s", path.c_str());
  int32_t started = function<TwoTextFn>(libs, "GenFiles")(document, project_file);
  std::printf("GenFiles -> %d\nproject folder: %s\nproject file: %s\n", started, document, project_file);
  if (started != 1 || project_file[0] == '\0') return 1;
  if (!wait_for_log(libs, log)) {
    std::fprintf(stderr, "twhost build: the compiler wrote no log %s\n", log.c_str());
    return 1;
  }
  view_errors(libs);
  print_log(log);
  return 0;
}

}  // namespace host
