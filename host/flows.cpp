#include "host/flows.h"

#include <cstdio>

#include "host/export_call.h"
#include "host/project_checks.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/ui/host.h"

namespace host {
namespace {

int32_t main_window() { return ui::host().main_window(); }

}  // namespace

void print_project_files(const Libraries& libs, const std::string& project) {
  std::printf("project file:  %s\n", shown_path(project).c_str());
  for (const char* ext : {".twz", ".twk", ".opt", ".cnt", ".log", ".hlp"}) {
    std::string path = platform::replace_extension(project, ext);
    if (platform::file_exists(path)) std::printf("  %-12s %s\n", ext, shown_path(path).c_str());
  }
  char dir[kTextBufferSize] = "";
  TW_EXPORT_FUNCTION(libs, GetProjPath)(dir);
  std::printf("project folder: %s\n", shown_path(dir).c_str());
  auto get_all_files = TW_EXPORT_FUNCTION(libs, GetAllFiles);
  char doc[kTextBufferSize] = "";
  char flag[] = "Y";
  char next[] = "N";
  std::printf("topic files:\n");
  for (int32_t kind = get_all_files(doc, flag); kind != 0; kind = get_all_files(doc, next)) {
    std::printf("  %s\n", shown_path(doc).c_str());
  }
}

namespace {

// After SaveAll: the project file as the library regenerated it, and the
// data file with its backup.
void print_saved_project(const std::string& project) {
  std::printf("\nproject file after SaveAll (%s):\n", shown_path(project).c_str());
  std::string text = platform::read_file(project).value_or("");
  for (char c : text) {
    if (c != '\r') std::putchar(c);
  }
  for (const char* ext : {".twz", ".twk"}) {
    std::string path = platform::replace_extension(project, ext);
    if (auto size = platform::file_size(path)) {
      std::printf("data file %s: %llu bytes\n", shown_path(path).c_str(),
                  static_cast<unsigned long long>(*size));
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

bool project_argument(const std::string& flow, const std::string& typed, std::string& path) {
  path = argument_path(typed);
  if (is_help_project(path)) return true;
  std::fprintf(stderr, "twhost %s: %s\n", flow.c_str(), not_a_project_message(typed).c_str());
  return false;
}

int run_call(const Libraries& libs, const std::vector<std::string>& args) {
  if (args.empty()) {
    std::fprintf(stderr, "twhost call: name an export\n");
    return kExitUsage;
  }
  const ExportSignature* signature = find_signature(args[0]);
  void* fn = signature ? find_export(libs, args[0]) : nullptr;
  if (!fn) {
    std::fprintf(stderr, "twhost call: no export named %s\n", args[0].c_str());
    return kExitUsage;
  }
  std::vector<ExportArgument> parsed;
  std::string error;
  if (!parse_arguments(*signature, {args.begin() + 1, args.end()}, parsed, error)) {
    std::fprintf(stderr, "twhost call: %s\n", error.c_str());
    return kExitUsage;
  }
  std::int32_t result = call_export(*signature, fn, parsed);
  std::printf("%d\n", result);
  for (const auto& a : parsed) {
    if (a.is_text) std::printf("%s\n", a.text.c_str());
  }
  return kExitSuccess;
}

int run_start(const Libraries& libs) {
  TW_EXPORT_FUNCTION(libs, InitTW)(main_window(), 0);
  char document[kTextBufferSize] = "";
  int32_t result = TW_EXPORT_FUNCTION(libs, TWStartUp)(main_window(), document);
  std::printf("TWStartUp -> %d\n", result);
  if (result != 0) std::printf("document: %s\n", shown_path(document).c_str());
  return result != 0 ? kExitSuccess : kExitFailure;
}

int run_sample(const Libraries& libs, ScriptSession& script, const std::string& project) {
  std::string path;
  if (!project_argument("sample", project, path)) return kExitFailure;
  script.queue("dialog 21000\nclick 1\ndialog DLG_START\nclick 102\nfile " + path + "\n");
  if (run_start(libs) != kExitSuccess) return kExitFailure;
  print_project_files(libs, path);
  const size_t shown_before = ui::headless() ? ui::headless()->transcript().size() : 0;
  TW_EXPORT_FUNCTION(libs, SaveAll)(0);
  print_save_messages(shown_before);
  print_saved_project(path);
  return kExitSuccess;
}

}  // namespace host
