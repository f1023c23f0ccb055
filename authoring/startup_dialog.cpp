// The dialog procedures of "DLG_START" and "DLG_CREPRJ".
#include "authoring/startup_dialogs.h"

#include "core/help_commands.h"
#include "authoring/library_state.h"
#include "core/messages.h"
#include "core/recent_projects.h"
#include "formats/installation.h"
#include "formats/profile_key_names.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace authoring {

StartDialog::StartDialog(LibraryState& state) : state_(state) {}

void StartDialog::on_init(ui::Dialog& dialog) {
  std::string list = core::read_setting("PROJ LIST", "", core::kProjectListMax);
  std::string main_dir = core::read_setting(profile_keys::kMainDirectory, installation::kDefaultDir, core::kPathMax);
  for (const auto& entry : core::parse_project_list(list)) {
    std::string path = core::resolve_project_entry(entry, main_dir);
    if (!platform::file_exists(path)) continue;
    recent_.push_back(path);
    dialog.add_item(kRecentList, platform::to_host_path(path));
  }
  if (dialog.item_count(kRecentList) > 0) dialog.set_selection(kRecentList, 0);
}

void StartDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case ui::kIdOk:
      open_selected(dialog);
      break;
    case kRecentList:
      if (notify == ui::Notify::double_clicked) open_selected(dialog);
      break;
    case kOpenButton:
      browse(dialog);
      break;
    case kCreateButton:
      create(dialog);
      break;
    case kHelpButton:
      ProductHelpContext(state_, dialog.handle(), kStartHelpContext);
      break;
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

void StartDialog::finish(ui::Dialog& dialog, std::string path, bool is_new) {
  choice_.path = std::move(path);
  choice_.is_new = is_new;
  choice_.quick_start = dialog.check(kQuickStart) == 1;
  // The project is opened while the dialog is up, so that the dialog ends
  // with 2 also for a project that only now gets its first topic file.
  dialog.end(OpenChosenProject(state_, dialog.handle(), choice_, document_));
}

void StartDialog::open_selected(ui::Dialog& dialog) {
  int index = dialog.selection(kRecentList);
  if (index < 0) {
    show_message(state_, "Select a project from the list, or choose Open or Create.",
                 ui::kMbOk | ui::kMbIconInformation);
    return;
  }
  if (static_cast<std::size_t>(index) >= recent_.size()) return;
  finish(dialog, recent_[static_cast<std::size_t>(index)], false);
}

void StartDialog::browse(ui::Dialog& dialog) {
  ui::FileDialogRequest request;
  request.filter = "*.hpj";
  request.title = "Open Help Project";
  auto path = ui::host().file_dialog(dialog.handle(), request);
  if (!path) return;
  if (!platform::file_exists(*path)) {
    show_message(state_, text::format("Cannot find the project file %s.", path->c_str()),
                 ui::kMbOk | ui::kMbIconStop);
    return;
  }
  finish(dialog, *path, false);
}

void StartDialog::create(ui::Dialog& dialog) {
  CreateProjectDialog create(state_);
  if (ui::host().run_modal(core::authoring_module(), "DLG_CREPRJ", create, dialog.handle()) != 1) return;
  choice_.win95 = create.win95();
  finish(dialog, create.path(), true);
}

CreateProjectDialog::CreateProjectDialog(LibraryState& state) : state_(state) {}

void CreateProjectDialog::on_init(ui::Dialog& dialog) {
  dialog.set_check(kWin95Radio, 1);
  dialog.set_check(kWin31Radio, 0);
}

void CreateProjectDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kBrowseButton) {
    ui::FileDialogRequest request;
    request.save = true;
    request.filter = "*.hpj";
    request.title = "New Help Project";
    if (auto path = ui::host().file_dialog(dialog.handle(), request)) dialog.set_text(kPathEdit, *path);
    return;
  }
  if (id == kHelpButton) {
    ProductHelpContext(state_, dialog.handle(), kStartHelpContext);
    return;
  }
  if (id == ui::kIdOk) {
    if (accept(dialog)) dialog.end(1);
    return;
  }
  ui::DialogProc::on_command(dialog, id, notify);
}

// The project file must be named, gets ".hpj" when it has no extension, and
// an existing project is replaced only when the user says so: creating a
// project deletes the old one's companion files.
bool CreateProjectDialog::accept(ui::Dialog& dialog) {
  std::string path(text::trim(dialog.text(kPathEdit)));
  if (path.empty()) {
    show_message(state_, "Enter the name of the new project file.", ui::kMbOk | ui::kMbIconExclamation);
    dialog.set_focus(kPathEdit);
    return false;
  }
  if (platform::extension_of(path).empty()) path += ".hpj";
  if (!text::iequals(platform::extension_of(path), ".hpj")) {
    show_message(state_, "A help project file must have the extension .hpj.",
                 ui::kMbOk | ui::kMbIconExclamation);
    dialog.set_focus(kPathEdit);
    return false;
  }
  if (platform::file_exists(path) &&
      show_message(state_, text::format("%s already exists.  Replace it with a new project?", path.c_str()),
                   ui::kMbYesNo | ui::kMbIconQuestion | ui::kMbDefButton2) != ui::kIdYes) {
    return false;
  }
  std::string dir(platform::directory_of(path));
  if (!dir.empty() && !platform::directory_exists(dir) && !platform::create_directories(dir)) {
    show_message(state_, text::format("Unable to create the folder %s.", dir.c_str()),
                 ui::kMbOk | ui::kMbIconStop);
    return false;
  }
  path_ = path;
  win95_ = dialog.check(kWin31Radio) != 1;
  return true;
}

}  // namespace authoring
