#include "project/compile/compile_driver.h"

#include "project/project_state.h"
#include "core/messages.h"
#include "project/topics/project_document.h"
#include "core/project_paths.h"
#include "core/settings.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "platform/winhelp.h"
#include "project/dialogs/compile_progress.h"
#include "project/compile/compiler_command.h"
#include "project/files/context_map.h"
#include "project/files/project_file.h"
#include "project/topics/topic_file_cleaning.h"

namespace project {
namespace {

// "Tarvenwick is unable to locate or run the help compiler. ..."
constexpr int kCannotRunCompilerText = 11500;
// "... unable to locate or run the Help Workshop/Compiler (HCW.EXE). ..."
constexpr int kCannotRunHelpWorkshopText = 52;
constexpr std::string_view kNoProjectText =
    "There is no help project to compile.  Open or create one first.";
constexpr const char* kProjectPathTooLongText =
    "The path of the help project %s is longer than %d characters.  Move the project to a shorter path.";
// Below this a start result is a Windows error code.
constexpr int kFirstStartSuccess = 32;

// A new compile: the compiled file is closed in WinHelp so that the
// compiler can replace it, and the viewer's marks belong to the old log.
void close_compiled_help(ProjectState& state) {
  platform::win_help(state.owner_window, platform::replace_extension(state.project_path, ".hlp"),
                     platform::kHelpQuit, 0);
  state.compile_window = 0;
  state.visited_log_lines.clear();
}

// The map files and the project file, for a document of the project.
bool prepare_compile(ProjectState& state, std::string_view document) {
  if (!state.project_set || !project::CheckProjectDocument(state, document)) return false;
  WriteContextMaps(state);
  if (!state.win95_compiler) WriteProjectFile(state, 0, state.project_path);
  return true;
}

int refuse(const ProjectState& state, int text_id) {
  core::show_message(state, core::resource_string(text_id), ui::kMbOk | ui::kMbIconStop);
  return 0;
}

// Room to read back a PROJECT setting that is longer than the settings keep.
constexpr int kStoredPathRoom = 4096;

// Without a project nothing is prepared. A PROJECT setting too long for the
// settings to hold leaves no project either; the user is told which.
bool refuse_without_project(const ProjectState& state) {
  if (state.project_set && !state.project_path.empty()) return false;
  const std::string stored = core::read_setting("PROJECT", "", kStoredPathRoom);
  const int limit = core::kPathMax - 1;
  if (stored.size() > static_cast<size_t>(limit)) {
    std::string shown = platform::to_host_path(stored);
    core::show_message(state, text::format(kProjectPathTooLongText, (shown.empty() ? stored : shown).c_str(), limit),
                       ui::kMbOk | ui::kMbIconStop);
  } else {
    core::show_message(state, kNoProjectText, ui::kMbOk | ui::kMbIconStop);
  }
  return true;
}

int start_compiler(ProjectState& state) {
  const CompilerPrograms programs = compiler_programs(state.settings.compilers);
  const CompilerChoice choice = choose_compiler(state.compiler_kind, state.win95_compiler != 0);
  if (choice == CompilerChoice::help_workshop && !compiler_exists(programs.hcw)) {
    return refuse(state, kCannotRunHelpWorkshopText);
  }
  const CompileCommand command = compile_command(choice, programs, state.new_shell,
                                                 state.settings.compile_in_background, state.project_path);
  platform::set_current_directory(core::project_directory(state.project_path));
  const platform::StartResult started = platform::start_program(command.command_line, command.show);
  if (started.code < kFirstStartSuccess) return refuse(state, kCannotRunCompilerText);
  if (command.background) OpenCompileProgress(state, started.process_id);
  return 1;
}

}  // namespace

int GenFiles(ProjectState& state, std::string_view document, std::string& directory,
             std::string& project) {
  directory = core::project_directory(state.project_path);
  if (refuse_without_project(state)) return 0;
  state.word97 = core::read_setting_int("Word 97", 0);
  if (state.word97 != 0 && !state.win95_compiler) CleanTopicFiles(state);
  close_compiled_help(state);
  if (!ReadProjectFile(state)) return 0;
  if (!prepare_compile(state, document)) return 1;
  directory = core::project_directory(state.project_path);
  project = state.project_path;
  return start_compiler(state);
}

}  // namespace project
