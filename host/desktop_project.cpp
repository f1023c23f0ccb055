#include "host/desktop_project.h"

#include <algorithm>
#include <cstdio>

#include "formats/hpj_text.h"
#include "host/export_call.h"
#include "host/flows.h"
#include "host/project_checks.h"
#include "host/user_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace host {
namespace {

int32_t main_window() { return ui::host().main_window(); }

// The file name without folder and extension, lowered.
std::string base_name(std::string_view path) {
  std::string name(platform::file_name_of(path));
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return text::to_lower(name);
}

// The project the library has open (IsProjSet), "" when none.
std::string library_project(const Libraries& libs) {
  char path[kTextBufferSize] = "";
  return TW_EXPORT_FUNCTION(libs, IsProjSet)(main_window(), path) == 1 ? std::string(path) : std::string();
}

void adopt(Desktop& d, const std::string& project, const std::string& document) {
  d.project = project;
  const std::vector<std::string> files = project_topic_files(platform::to_host_path(project));
  d.document = document.empty() ? std::string() : topic_file_named(project, document);
  if (d.document.empty() && !files.empty()) d.document = files.front();
  std::printf("project: %s\n", shown_path(project).c_str());
  if (!d.document.empty()) std::printf("document: %s\n", shown_path(platform::to_system_path(d.document)).c_str());
}

// After TWStartUp: the project it opened and the document it names.
int take_start_result(Desktop& d, int32_t result, const char* document) {
  std::printf("TWStartUp -> %d\n", result);
  if (result == 0) return kExitFailure;
  const std::string project = library_project(d.libs);
  if (project.empty()) return kExitFailure;
  adopt(d, project, document);
  return kExitSuccess;
}

}  // namespace

std::vector<std::string> project_topic_files(const std::string& project) {
  std::vector<std::string> files;
  if (project.empty()) return files;
  const std::optional<std::string> bytes = platform::read_file(project);
  if (!bytes) return files;
  const std::string folder(platform::directory_of(project));
  for (const std::string& entry : formats::HpjText(*bytes).section_entries("FILES")) {
    std::string path = entry;
    if (platform::has_drive(entry)) {
      path = platform::to_host_path(entry);
    } else {
      std::replace(path.begin(), path.end(), '\\', '/');
      if (!platform::is_absolute(path) && !folder.empty()) path = folder + "/" + path;
    }
    files.push_back(path);
  }
  return files;
}

std::string topic_file_named(const std::string& project, std::string_view returned) {
  const std::string wanted = base_name(returned);
  for (const std::string& file : project_topic_files(platform::to_host_path(project)))
    if (base_name(file) == wanted) return file;
  return {};
}

void start_desktop(Desktop& d, const std::string& typed_project) {
  d.script.queue("dialog 21000\nclick 1\n");
  TW_EXPORT_FUNCTION(d.libs, InitTW)(main_window(), 0);
  if (!typed_project.empty()) {
    std::string path;
    if (project_argument("desktop", typed_project, path)) open_project_in_window(d, path);
    return;
  }
  if (const std::string project = library_project(d.libs); !project.empty()) adopt(d, project, "");
}

bool open_project_in_window(Desktop& d, const std::string& project) {
  d.script.queue("dialog DLG_START\nclick 102\nfile " + project + "\n");
  char document[kTextBufferSize] = "";
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, TWStartUp)(main_window(), document);
  return take_start_result(d, result, document) == kExitSuccess;
}

int choose_project(Desktop& d) {
  ui::FileDialogRequest request;
  request.filter = "*.hpj";
  request.title = "Open Project";
  const std::string current = platform::to_host_path(d.project);
  if (!current.empty()) request.initial_dir = std::string(platform::directory_of(current));
  const std::optional<std::string> chosen = ui::host().file_dialog(main_window(), request);
  if (!chosen) return kExitSuccess;
  std::string path;
  if (!project_argument("desktop", *chosen, path)) return kExitFailure;
  return open_project_in_window(d, path) ? kExitSuccess : kExitFailure;
}

int start_dialog(Desktop& d) {
  char document[kTextBufferSize] = "";
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, TWStartUp)(main_window(), document);
  return result == 0 ? (std::printf("TWStartUp -> 0\n"), kExitSuccess) : take_start_result(d, result, document);
}

int project_options(Desktop& d) {
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, SetOptions)(main_window(), 0);
  std::printf("SetOptions -> %d\n", result);
  return result == 0 ? kExitFailure : kExitSuccess;
}

int project_files(Desktop& d) {
  print_project_files(d.libs, d.project);
  return kExitSuccess;
}

int save_all(Desktop& d) {
  std::printf("SaveAll -> %d\n", TW_EXPORT_FUNCTION(d.libs, SaveAll)(0));
  return kExitSuccess;
}

}  // namespace host
