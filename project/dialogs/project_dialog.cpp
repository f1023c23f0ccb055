// "DLG_PRJ", the project dialog of SetOptions.
#include "aids/button_editor.h"
#include "aids/macro_editor.h"
#include "aids/related_dialogs.h"
#include "aids/window_editor.h"
#include "project/project_state.h"
#include "core/messages.h"
#include "core/settings.h"
#include "formats/profile_key_names.h"
#include "platform/files.h"
#include "platform/path_field.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"
#include "project/dialogs/compiler_paths_dialog.h"
#include "project/compile/compiler_switch.h"
#include "project/files/data_file.h"
#include "project/dialogs/project_dialogs.h"
#include "project/files/project_file.h"
#include "project/files/project_update.h"

namespace project {
namespace {

// "Tarvenwick is uanble to locate or run the Help Workshop/Compiler (HCW.EXE). ..."
constexpr int kHelpWorkshopMissingText = 52;
constexpr std::string_view kRemoveFeatureText =
    "To remove this feature, use the Macro Editor to delete the Startup/Config macros and also "
    "make sure this box is CLEARED.";

// The topic files the project file lists now.
core::TopicFileList listed_files(const ProjectState& state) {
  core::TopicFileList listed;
  ProjectData scratch;
  auto bytes = platform::read_file(state.project_path);
  if (bytes) parse_project_text(*bytes, form_context(state), scratch, listed);
  return listed;
}

}  // namespace

ProjectDialog::ProjectDialog(ProjectState& state) : state_(state), before_(state.data.project) {}

void ProjectDialog::on_init(ui::Dialog& dialog) { show_state(dialog); }

void ProjectDialog::show_state(ui::Dialog& dialog) {
  const ProjectFileModel& m = state_.data.project;
  dialog.set_text(kProjectPath, platform::to_host_path(state_.project_path));
  show_compiler(dialog);
  dialog.set_check(kEmulation, m.emulation ? 1 : 0);
  dialog.set_check(kSlideShows, m.slide_shows ? 1 : 0);
  dialog.set_check(kSound, m.sound ? 1 : 0);
  dialog.set_text(kRelatedFile, platform::shown_in_field(state_.settings.work_group_file));
  dialog.enable(kEditRelated, !text::trim(state_.settings.work_group_file).empty());
}

void ProjectDialog::show_compiler(ui::Dialog& dialog) {
  const int chosen = state_.compiler_kind == 2 ? kHc30 : state_.win95_compiler ? kWin95 : kWin31;
  for (int id : {kWin95, kWin31, kHc30}) dialog.set_check(id, id == chosen ? 1 : 0);
}

void ProjectDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case kWin95:
    case kWin31:
    case kHc30:
      return choose_compiler(dialog, id);
    case kSelectProject:
      return select_project(dialog);
    case kSelectRelated:
      return select_related(dialog);
    case kEditRelated:
      aids::EditRelatedProjects(state_, dialog.handle(), related_file(dialog));
      return;
    case kPaths:
      EditCompilerPaths(state_, dialog.handle());
      return;
    case kHelpWorkshop:
      return start_help_workshop();
    case kEmulation:
    case kSlideShows:
    case kSound:
      return extension_box(dialog, id);
    case kCompilerOptions:
    case kPreferences:
    case kAppHelp:
    case kButtonBar:
    case kMacros:
    case kWindows:
      return open_child(dialog, id);
    case ui::kIdOk:
      return close(dialog);
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

void ProjectDialog::choose_compiler(ui::Dialog& dialog, int id) {
  SwitchResult result = SwitchResult::unchanged;
  if (id == kWin95) result = SwitchToWindows95(state_);
  if (id == kWin31) result = SwitchToWindows31(state_, help_workshop_running());
  if (id == kHc30) result = SwitchToWindows30(state_, help_workshop_running());
  if (result == SwitchResult::switched) {
    before_ = state_.data.project;
    show_state(dialog);
  } else {
    show_compiler(dialog);
  }
}

void ProjectDialog::select_project(ui::Dialog& dialog) {
  ui::FileDialogRequest request;
  request.filter = "*.hpj";
  request.title = "Select Help Project";
  auto path = ui::host().file_dialog(dialog.handle(), request);
  if (!path || !platform::file_exists(*path)) return;
  if (state_.project_set && state_.data_dirty) SaveProjectData(state_);
  core::write_setting(profile_keys::kProject, *path);
  state_.reset_pending = true;
  project::ResetState(state_);
  project::LoadProjectState(state_);
  before_ = state_.data.project;
  show_state(dialog);
}

// The related projects file as the settings store it: the field shows its
// host path, and text left as shown keeps the stored name.
std::string ProjectDialog::related_file(const ui::Dialog& dialog) const {
  return platform::stored_from_field(dialog.text(kRelatedFile), state_.settings.work_group_file);
}

void ProjectDialog::select_related(ui::Dialog& dialog) {
  ui::FileDialogRequest request;
  request.filter = "*.rpj";
  request.title = "Related Help Projects";
  if (auto path = ui::host().file_dialog(dialog.handle(), request)) {
    dialog.set_text(kRelatedFile, *path);
    dialog.enable(kEditRelated, !text::trim(*path).empty());
  }
}

void ProjectDialog::start_help_workshop() {
  const std::string command =
      text::format("%s %s", state_.settings.compilers.hcw.c_str(), state_.project_path.c_str());
  platform::StartResult started = platform::start_program(command, platform::kShowNormal);
  if (started.code < 32) {
    core::show_message(state_, core::resource_string(kHelpWorkshopMissingText),
                       ui::kMbOk | ui::kMbIconStop);
    return;
  }
  help_workshop_process_ = started.process_id;
  help_workshop_started_ = true;
}

bool ProjectDialog::help_workshop_running() const {
  return help_workshop_process_ != 0 && platform::process_running(help_workshop_process_);
}

bool ProjectDialog::refused_while_help_workshop_runs() {
  if (!help_workshop_running()) return false;
  core::show_message(state_, core::resource_string(kCloseHelpWorkshopText),
                     ui::kMbOk | ui::kMbIconStop);
  return true;
}

void ProjectDialog::extension_box(ui::Dialog& dialog, int id) {
  const bool on = dialog.check(id) == 1;
  ProjectFileModel& m = state_.data.project;
  bool& flag = id == kEmulation ? m.emulation : id == kSlideShows ? m.slide_shows : m.sound;
  if (flag && !on && id != kSlideShows)
    core::show_message(state_, kRemoveFeatureText, ui::kMbOk | ui::kMbIconInformation);
  flag = on;
}

// The child dialogs other than the compiler options and preferences wait
// for Help Workshop to close. The macro and button-bar editors write the
// project file themselves when the start-up macros changed.
void ProjectDialog::open_child(ui::Dialog& dialog, int id) {
  if (id != kCompilerOptions && id != kPreferences && refused_while_help_workshop_runs()) return;
  const auto module = core::authoring_module();
  if (id == kMacros || id == kButtonBar) {
    const int edited = id == kMacros ? aids::EditStartupMacros(state_, dialog.handle())
                                     : aids::EditButtonBar(state_, dialog.handle());
    if (edited == 1) before_ = state_.data.project;
  } else if (id == kWindows) {
    // Help Workshop owns the window definitions of Windows 95 projects.
    if (state_.win95_compiler && state_.compiler_kind != 2) return start_help_workshop();
    std::string name = "main";
    if (aids::EditWindows(state_, dialog.handle(), name) == 1) before_ = state_.data.project;
  } else if (id == kCompilerOptions) {
    ProjectFileModel edited = state_.data.project;
    CompilerOptionsDialog options(state_, edited);
    if (ui::host().run_modal(module, "DLG_MORE_OPT", options, dialog.handle()) != 1) return;
    state_.data.project = edited;
    StoreProjectOptions(state_, before_);
    before_ = state_.data.project;
  } else if (id == kPreferences) {
    PreferencesDialog preferences(state_);
    ui::host().run_modal(module, "DLG_PREF", preferences, dialog.handle());
  } else if (id == kAppHelp) {
    AppHelpDialog app_help(state_);
    ui::host().run_modal(module, "DLG_APPHLP", app_help, dialog.handle());
  }
}

// Topic files that the user took out of the project in Help Workshop leave
// the topic-file list too.
void ProjectDialog::drop_files_help_workshop_removed() {
  ReadProjectFile(state_);
  const core::TopicFileList listed = listed_files(state_);
  core::TopicFileList kept;
  for (int i = 0; i < state_.topic_files.count(); ++i) {
    const std::string& name = state_.topic_files.name(i);
    bool found = false;
    for (const auto& l : listed.names()) found = found || text::iequals(l, name);
    if (found) kept.add(name, state_.topic_files.number(i));
  }
  if (kept.count() != state_.topic_files.count()) state_.data_dirty = true;
  state_.topic_files = kept;
}

void ProjectDialog::close(ui::Dialog& dialog) {
  if (refused_while_help_workshop_runs()) return;
  const std::string related = related_file(dialog);
  if (related != state_.settings.work_group_file) {
    core::write_setting("Work Group File", related);
    state_.settings.work_group_file = related;
  }
  if (help_workshop_started_) {
    drop_files_help_workshop_removed();
    before_ = state_.data.project;
  }
  StoreProjectOptions(state_, before_);
  dialog.end(1);
}

int SetOptions(ProjectState& state, std::int32_t window) {
  project::LoadSettings(state);
  if (!state.project_set || ReadProjectFile(state) == 0) return 0;
  const bool win95_before = state.win95_compiler != 0;
  const bool emulation_before = state.data.project.emulation;
  ProjectDialog dialog(state);
  int result = ui::host().run_modal(core::authoring_module(), "DLG_PRJ", dialog,
                                    core::dialog_owner(state, window));
  if (result != 1) return 1;
  const bool win95_after = state.win95_compiler != 0;
  const ProjectFileModel& m = state.data.project;
  if (win95_before && !win95_after && (m.emulation || m.slide_shows)) return 3;
  if (!win95_before && win95_after && (emulation_before || m.slide_shows)) return 2;
  return 1;
}

}  // namespace project
