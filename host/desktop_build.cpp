#include "host/desktop_build.h"

#include <cstdio>
#include <string>

#include "host/build_flow.h"
#include "host/desktop_project.h"
#include "host/export_call.h"
#include "host/flows.h"
#include "host/user_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/ui/host.h"

namespace host {
namespace {

int32_t main_window() { return ui::host().main_window(); }

void print_file_if_there(const char* what, const std::string& path) {
  if (platform::file_exists(path)) std::printf("%s: %s\n", what, shown_path(path).c_str());
}

// The problem topic's document, as ViewErrors names it, made the current one.
void go_to_problem_document(Desktop& d, const std::string& returned) {
  const std::string topic_file = topic_file_named(d.project, returned);
  if (topic_file.empty()) return;
  d.document = topic_file;
  std::printf("document: %s\n", shown_path(platform::to_system_path(topic_file)).c_str());
}

}  // namespace

int compile(Desktop& d) {
  std::string problem;
  const int code = run_build(d.libs, d.project, &problem);
  if (!problem.empty()) go_to_problem_document(d, problem);
  return code;
}

int view_compiler_messages(Desktop& d) {
  char file[kTextBufferSize] = "", position[kTextBufferSize] = "", message[kTextBufferSize] = "";
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, ViewErrors)(main_window(), file, position, message);
  std::printf("ViewErrors -> %d\n", result);
  if (result != 1) return kExitSuccess;
  std::printf("problem topic: #%s of %s\nmessage: %s\n", position, shown_path(file).c_str(), message);
  go_to_problem_document(d, file);
  return kExitSuccess;
}

int topic_report(Desktop& d) {
  char report[kTextBufferSize] = "";
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, GenReport)(main_window(), report);
  std::printf("GenReport -> %d\n", result);
  if (result != 0) std::printf("report: %s\n", shown_path(report).c_str());
  return kExitSuccess;
}

int keyword_indexes(Desktop& d) {
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, BuildKeywordIndex)(main_window(), 0, 0);
  std::printf("BuildKeywordIndex -> %d\n", result);
  print_file_if_there("K keywords", platform::replace_extension(d.project, ".kdb"));
  print_file_if_there("A keywords", platform::replace_extension(d.project, ".adb"));
  return result == 1 ? kExitSuccess : kExitFailure;
}

int distribution_index(Desktop& d) {
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, BuildKeywordIndex)(main_window(), 0, 1);
  std::printf("BuildKeywordIndex -> %d\n", result);
  if (result != 0) print_file_if_there("distribution index", platform::replace_extension(d.project, ".xtw"));
  return kExitSuccess;
}

int edit_contents(Desktop& d) {
  std::printf("EditContents -> %d\n", TW_EXPORT_FUNCTION(d.libs, EditContents)(main_window(), 0));
  char path[kTextBufferSize] = "";
  TW_EXPORT_FUNCTION(d.libs, GetContentsPath)(path);
  std::printf("contents file: %s\n", path[0] ? shown_path(path).c_str() : "none yet");
  return kExitSuccess;
}

int edit_outline(Desktop& d) {
  std::string path = d.project;
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, EditOutline)(main_window(), path.data());
  std::printf("EditOutline -> %d\n", result);
  print_file_if_there("outline", platform::replace_extension(d.project, ".out"));
  return kExitSuccess;
}

}  // namespace host
