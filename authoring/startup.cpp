#include "authoring/startup.h"

#include "authoring/library_state.h"
#include "authoring/lifecycle.h"
#include "core/messages.h"
#include "project/topics/position_stack.h"
#include "core/project_paths.h"
#include "core/recent_projects.h"
#include "authoring/startup_dialogs.h"
#include "formats/help_contexts.h"
#include "formats/installation.h"
#include "formats/profile_key_names.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "project/files/project_file.h"

namespace authoring {
namespace {

constexpr const char* kFirstTopicFile = "topfile1.rtf";
constexpr const char* kCompanions[] = {".hpj", ".twz", ".twk", ".opt", ".adb", ".kdb"};

void start_quick_help(const LibraryState& state) {
  std::string dir(platform::directory_of(state.settings.help_file));
  platform::win_exec("winhlp32.exe -W wiz -N " + std::to_string(help_contexts::kQuickStart) + " " +
                         platform::join_path(dir, help_contexts::kQuickStartFile),
                     platform::kShowNormal);
}

void delete_project_files(std::string_view path) {
  for (const char* ext : kCompanions) platform::remove_file(core::companion_file(path, ext));
}

// A new project: its old files gone, a fresh project file, its compiler chosen.
void create_project_files(LibraryState& state, std::int32_t window, const ProjectChoice& choice) {
  delete_project_files(choice.path);
  state.project_path = choice.path;
  // Nothing of the project open before may leak into the new one's file.
  state.reset_pending = true;
  ResetState(state);
  state.win95_compiler = choice.win95 ? 1 : 0;
  state.options.w95 = state.win95_compiler;
  state.topic_files.clear();
  state.topic_files.add(kFirstTopicFile);
  project::WriteProjectFile(state, window, choice.path);
  core::write_project_int(core::option_file_path(choice.path), "W95", choice.win95 ? 1 : 0);
}

void write_new_project_options(const LibraryState& state) {
  const std::string opt = core::option_file_path(state.project_path);
  platform::ProfileBatch batch(opt);
  platform::write_profile_string(core::kOptionSection, "Bul Indent", ".15\"", opt);
  platform::write_profile_string(core::kOptionSection, "Num Indent", ".15\"", opt);
  platform::write_profile_string(core::kOptionSection, "Num Sep", "", opt);
}

// The option file's last document when it is one of the project's topic
// files and exists, else the first topic file as a ".DOC" (".RTF") path.
std::string document_to_open(const LibraryState& state, bool is_new) {
  const std::string opt = core::option_file_path(state.project_path);
  std::string last = platform::get_profile_string(core::kOptionSection, "last file", "", 256, opt);
  // The option file keeps the ".doc" the author had open; the project lists the ".rtf".
  std::string as_rtf = platform::replace_extension(platform::file_name_of(last), ".rtf");
  if (!last.empty() && state.topic_files.find_by_file_name(as_rtf) >= 0 && platform::file_exists(last)) {
    return last;
  }
  std::string first = core::topic_file_path(state.project_path, state.topic_files.name(0));
  if (is_new) return platform::replace_extension(text::to_upper(first), ".doc");
  std::string doc = topic_document(state, state.topic_files.name(0));
  if (platform::file_exists(doc)) return doc;
  return platform::replace_extension(doc, ".RTF");
}

void remember_project(const LibraryState& state) {
  std::string list = core::read_setting("PROJ LIST", "", core::kProjectListMax);
  std::string main_dir = core::read_setting(profile_keys::kMainDirectory, installation::kDefaultDir, core::kPathMax);
  core::write_setting("PROJ LIST",
                core::project_list_with_first(core::parse_project_list(list), state.project_path, main_dir));
}

}  // namespace

int OpenChosenProject(LibraryState& state, std::int32_t window, const ProjectChoice& choice,
                      std::string& document) {
  core::write_setting("quick_start", choice.quick_start ? "1" : "0");
  if (choice.quick_start) start_quick_help(state);
  // A file that is no help project is neither opened nor replaced by a new one.
  if (project::refuse_foreign_file(state, choice.path)) return 0;
  if (choice.is_new) create_project_files(state, window, choice);
  if (!core::write_setting(profile_keys::kProject, choice.path)) {
    show_message(state, "INI write failed", ui::kMbOk, "");
  }
  state.reset_pending = true;
  ResetState(state);
  LoadProjectState(state);
  state.project_set = true;
  bool is_new = choice.is_new;
  if (state.topic_files.empty()) {
    state.topic_files.add(kFirstTopicFile);
    is_new = true;
  }
  document = document_to_open(state, is_new);
  if (is_new) {
    write_new_project_options(state);
    project::WriteProjectFile(state, window, state.project_path);
  }
  remember_project(state);
  return is_new ? 2 : 1;
}

int TWStartUp(LibraryState& state, std::int32_t window, std::string& document) {
  state.settings.help_file = core::read_setting(profile_keys::kHelpFile, std::string(installation::kDefaultDir) + "\\TRVWCK.HLP", core::kPathMax);
  StartDialog start(state);
  int result = ui::host().run_modal(core::authoring_module(), "DLG_START", start, dialog_owner(state, window));
  if (result != 0) document = start.document();
  return result;
}

}  // namespace authoring
