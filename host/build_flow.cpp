#include "host/build_flow.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "formats/profile_key_names.h"
#include "host/export_call.h"
#include "host/flows.h"
#include "host/progress.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/terminal.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace host {
namespace {

// How often the caller looks whether the compile has ended, and for how long.
constexpr auto kPollInterval = std::chrono::milliseconds(100);
constexpr auto kCompileTimeout = std::chrono::minutes(5);
// Time for the compiler to exit once its log is complete.
constexpr auto kExitGrace = std::chrono::milliseconds(300);

// Polls TWIsInit, as the macros do while a compile runs, until the log is
// there; false when it never appears.
bool wait_for_log(const Libraries& libs, const std::string& log, Progress& progress) {
  auto poke = TW_EXPORT_FUNCTION(libs, TWIsInit);
  const auto deadline = std::chrono::steady_clock::now() + kCompileTimeout;
  while (!platform::file_exists(log)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    poke(0);
    progress.tick();
    std::this_thread::sleep_for(kPollInterval);
  }
  // The progress window sees the compiler gone (the first poke may only
  // arm a window that has not had its first tick yet).
  std::this_thread::sleep_for(kExitGrace);
  poke(0);
  poke(0);
  return true;
}

void view_errors(const Libraries& libs, std::string* problem_document) {
  char file[kTextBufferSize] = "", position[kTextBufferSize] = "", message[kTextBufferSize] = "";
  int32_t result =
      TW_EXPORT_FUNCTION(libs, ViewErrors)(ui::host().main_window(), file, position, message);
  std::printf("ViewErrors -> %d\n", result);
  if (result == 1) {
    std::printf("problem topic: #%s of %s\nmessage: %s\n", position, shown_path(file).c_str(), message);
    if (problem_document) *problem_document = file;
  }
}

void print_log(const std::string& log) {
  std::optional<std::string> bytes = platform::read_file(log);
  if (!bytes) return;
  std::printf("compiler messages (%s):\n", shown_path(log).c_str());
  for (const auto& line : text::split_lines(*bytes)) {
    if (!line.empty()) std::printf("  %s\n", shown_paths_in(line).c_str());
  }
}

}  // namespace

int run_build(const Libraries& libs, const std::string& project, std::string* problem_document) {
  std::string path;
  if (!project_argument("build", project, path)) return kExitFailure;
  platform::write_profile_string(profile_keys::kAuthoringSection, profile_keys::kProject, path,
                                 profile_keys::kAuthoringFile);
  TW_EXPORT_FUNCTION(libs, InitTW)(ui::host().main_window(), 0);
  // The old log goes, so that the new one shows when the compiler is done.
  const std::string log = platform::replace_extension(path, ".log");
  platform::remove_file(log);

  char document[kTextBufferSize] = "", project_file[kTextBufferSize] = "";
  std::snprintf(document, sizeof document, "%s", path.c_str());
  Progress progress(stdout, platform::stdout_is_terminal(), platform::terminal_columns());
  progress.stage("preparing the project files");
  int32_t started = TW_EXPORT_FUNCTION(libs, GenFiles)(document, project_file);
  progress.finish();
  std::printf("GenFiles -> %d\nproject folder: %s\nproject file: %s\n", started,
              shown_path(document).c_str(), project_file[0] ? shown_path(project_file).c_str() : "");
  if (started != 1 || project_file[0] == '\0') return kExitFailure;
  progress.stage("compiling " + shown_path(project_file));
  bool logged = wait_for_log(libs, log, progress);
  progress.finish();
  if (!logged) {
    std::fprintf(stderr, "twhost build: the compiler wrote no log %s\n", shown_path(log).c_str());
    return kExitFailure;
  }
  view_errors(libs, problem_document);
  print_log(log);
  return kExitSuccess;
}

}  // namespace host
