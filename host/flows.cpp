#include "host/flows.h"

#include <cstdio>

#include "host/export_call.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/ui/host.h"

namespace host {
namespace {

using InitFn = int32_t (*)(int32_t, int32_t);
using WindowTextFn = int32_t (*)(int32_t, char*);
using TextFn = int32_t (*)(char*);
using TwoTextFn = int32_t (*)(char*, char*);

template <typename F>
F function(const Libraries& libs, const char* name) {
  return reinterpret_cast<F>(find_export(libs, name));
}

int32_t main_window() { return ui::host().main_window(); }

void print_project_files(const Libraries& libs, const std::string& project) {
  std::printf("project file:  %s\n", project.c_str());
  for (const char* ext : {".twz", ".twk", ".opt", ".cnt", ".log", ".hlp"}) {
    std::string path = platform::replace_extension(project, ext);
    if (platform::file_exists(path)) std::printf("  %-12s %s\n", ext, path.c_str());
  }
  char dir[kTextBufferSize] = "";
  function<TextFn>(libs, "GetProjPath")(dir);
  std::printf("project folder: %s\n", dir);
  char doc[kTextBufferSize] = "";
  char flag[] = "Y";
  int32_t kind = function<TwoTextFn>(libs, "GetAllFiles")(doc, flag);
  std::printf("topic files:\n");
  for (char next[] = "N"; kind != 0; kind = function<TwoTextFn>(libs, "GetAllFiles")(doc, next)) {
    std::printf("  %s\n", doc);
  }
}

// After SaveAll: the project file as the library regenerated it, and the
// data file with its backup.
void print_saved_project(const std::string& project) {
  std::printf("\nproject file after SaveAll (%s):\n", project.c_str());
  std::string text = platform::read_file(project).value_or("");
  for (char c : text) {
    if (c != '\r') std::putchar(c);
  }
  for (const char* ext : {".twz", ".twk"}) {
    std::string path = platform::replace_extension(project, ext);
    if (auto size = platform::file_size(path)) {
      std::printf("data file %s: %llu bytes\n", path.c_str(), static_cast<unsigned long long>(*size));
    }
  }
}

// What the save told the user (a project file it could not write, a text it
// had to cut), so that it is not lost in a headless run.
void print_save_messages(size_t shown_before) {
  auto* headless = ui::headless();
  if (!headless) return;
  const auto& transcript = headless->transcript();
  for (size_t i = shown_before; i < transcript.size(); ++i) {
    if (transcript[i].rfind("message ", 0) == 0) std::printf("SaveAll said: %s\n", transcript[i].c_str() + 8);
  }
}

}  // namespace

std::string argument_path(const std::string& path) {
  if (platform::is_absolute(path)) return platform::to_system_path(path);
  return platform::to_system_path(platform::current_directory() + "/" + path);
}

int run_call(const Libraries& libs, const std::vector<std::string>& args) {
  if (args.empty()) {
    std::fprintf(stderr, "twhost call: name an export\n");
    return 2;
  }
  void* fn = find_export(libs, args[0]);
  if (!fn) {
    std::fprintf(stderr, "twhost call: no export named %s\n", args[0].c_str());
    return 2;
  }
  std::vector<ExportArgument> parsed(args.size() - 1);
  if (parsed.size() > kMaxArguments) {
    std::fprintf(stderr, "twhost call: at most %zu arguments\n", kMaxArguments);
    return 2;
  }
  for (size_t i = 1; i < args.size(); ++i) {
    if (!parse_argument(args[i], parsed[i - 1])) {
      std::fprintf(stderr, "twhost call: argument %zu is neither a number nor s:TEXT\n", i);
      return 2;
    }
  }
  std::int32_t result = call_export(fn, parsed);
  std::printf("%d\n", result);
  for (const auto& a : parsed) {
    if (a.is_text) std::printf("%s\n", a.text.c_str());
  }
  return 0;
}

int run_start(const Libraries& libs) {
  function<InitFn>(libs, "InitTW")(main_window(), 0);
  char document[kTextBufferSize] = "";
  int32_t result = function<WindowTextFn>(libs, "TWStartUp")(main_window(), document);
  std::printf("TWStartUp -> %d\n", result);
  if (result != 0) std::printf("document: %s\n", document);
  return result != 0 ? 0 : 1;
}

int run_sample(const Libraries& libs, const std::string& project) {
  std::string path = argument_path(project);
  if (!platform::file_exists(path)) {
    std::fprintf(stderr, "twhost sample: no project file %s\n", project.c_str());
    return 1;
  }
  if (auto* headless = ui::headless()) {
    headless->queue_script("dialog 21000\nclick 1\ndialog DLG_START\nclick 102\nfile " + path + "\n");
  }
  if (run_start(libs) != 0) return 1;
  print_project_files(libs, path);
  const size_t shown_before = ui::headless() ? ui::headless()->transcript().size() : 0;
  reinterpret_cast<int32_t (*)(int32_t)>(find_export(libs, "SaveAll"))(0);
  print_save_messages(shown_before);
  print_saved_project(path);
  return 0;
}

}  // namespace host
