#include "aids/related_dialogs.h"

#include <memory>

#include "aids/related_list_layout.h"
#include "core/help_commands.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/path_field.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/project_state.h"
#include "resources/trvwck32/related.h"

namespace aids {
namespace {

constexpr std::string_view kListTemplate = "DLG_WG_LIST";
constexpr std::string_view kAlreadyListed = "This project file is already included in your related projects list.";
constexpr std::string_view kConfirmWrite = "Are you sure you want to write these changes to the Related Projects File?";
constexpr std::string_view kWriteDenied = "Unable to write to the Related Projects File; access denied";

constexpr int kListPosSize = 40;

std::string lower_file_name(std::string_view path) { return text::to_lower(platform::file_name_of(path)); }

}  // namespace

// --- The list window -----------------------------------------------------------------

RelatedListWindow::RelatedListWindow(project::ProjectState& state, RelatedProjectsOwner& owner,
                                     std::string target_file)
    : state_(state), owner_(owner), target_file_(std::move(target_file)) {}

void RelatedListWindow::on_init(ui::Dialog& dialog) {
  dialog.set_caption("Related Projects: " + lower_file_name(state_.settings.work_group_file));
  const ui::WindowRect placed =
      ParseRelatedListPos(core::read_setting(kRelatedListPosKey, kRelatedListPosDefault, kListPosSize));
  ui::host().set_window_rect(dialog.handle(), placed);
  lay_out(dialog, placed.cx, placed.cy);
  dialog.show(IDC_WG_LIST_COMPANIONS, false);
  const RelatedListing listing =
      list_related_projects(state_, read_related_projects(state_.settings.work_group_file));
  for (const auto& e : listing.entries) dialog.add_item(IDC_WG_LIST_PROJECTS, e);
  for (const auto& c : listing.companions) {
    dialog.add_item(IDC_WG_LIST_COMPANIONS, c);
    paths_.push_back(c.substr(c.find('\t') + 1));
  }
  const int last = dialog.item_count(IDC_WG_LIST_PROJECTS) - 1;
  if (!target_file_.empty()) {
    const std::string wanted = text::to_lower(related_project_name(target_file_)) + "\t";
    int found = -1;
    for (int i = 0; i < last && found < 0; ++i)
      if (text::istarts_with(dialog.item_text(IDC_WG_LIST_PROJECTS, i), wanted)) found = i;
    if (found >= 0) dialog.set_selection(IDC_WG_LIST_PROJECTS, found);
    else dialog.set_check(IDC_WG_LIST_UNLISTED, 1);
  } else if (owner_.other_file()) {
    dialog.set_check(IDC_WG_LIST_UNLISTED, 1);
  } else {
    dialog.set_selection(IDC_WG_LIST_PROJECTS, last);
  }
}

void RelatedListWindow::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case IDC_WG_LIST_PROJECTS:
      if (notify == ui::Notify::selection) choose(dialog);
      return;
    case IDC_WG_LIST_UNLISTED:
      return unlisted(dialog);
    case IDC_WG_LIST_HELP:
      core::ProductHelpContext(state_, dialog.handle(), kRelatedListHelp);
      return;
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

// A window made smaller than the list can show grows back to that size.
void RelatedListWindow::on_size(ui::Dialog& dialog, int width, int height) {
  ui::WindowRect rect = ui::host().window_rect(dialog.handle());
  if (width < kRelatedListMinWidth || height < kRelatedListMinHeight) {
    rect = KeepRelatedListSize({rect.x, rect.y, width, height});
    ui::host().set_window_rect(dialog.handle(), rect);
  }
  lay_out(dialog, rect.cx, rect.cy);
}

void RelatedListWindow::lay_out(ui::Dialog& dialog, int width, int height) {
  const RelatedListLayout layout = LayOutRelatedList(width, height);
  dialog.move_control(IDC_WG_LIST_FRAME, layout.frame);
  dialog.move_control(IDC_WG_LIST_PROJECTS, layout.projects);
  dialog.move_control(IDC_WG_LIST_UNLISTED, layout.unlisted);
  dialog.move_control(IDC_WG_LIST_HELP, layout.help);
}

void RelatedListWindow::choose(ui::Dialog& dialog) {
  const int chosen = dialog.selection(IDC_WG_LIST_PROJECTS);
  if (chosen < 0 || chosen >= static_cast<int>(paths_.size())) return;
  if (owner_.other_file()) owner_.clear_other_file();
  if (dialog.check(IDC_WG_LIST_UNLISTED) == 1) {
    dialog.set_check(IDC_WG_LIST_UNLISTED, 0);
    owner_.set_unlisted(false);
  }
  owner_.load_targets(paths_[static_cast<size_t>(chosen)]);
}

void RelatedListWindow::unlisted(ui::Dialog& dialog) {
  const bool on = dialog.check(IDC_WG_LIST_UNLISTED) == 1;
  owner_.set_unlisted(on);
  if (on) dialog.set_selection(IDC_WG_LIST_PROJECTS, -1);
}

void RelatedListWindow::on_close(ui::Dialog& dialog) {
  core::write_setting(kRelatedListPosKey, FormatRelatedListPos(ui::host().window_rect(dialog.handle())));
  if (!owner_.cancelled()) owner_.load_targets(state_.project_path);
}

ui::Handle OpenRelatedProjectsList(project::ProjectState& state, RelatedProjectsOwner& owner, std::int32_t window,
                                   std::string_view target_file) {
  CloseRelatedProjectsList();
  return ui::host().create_modeless(core::authoring_module(), kListTemplate,
                                    std::make_unique<RelatedListWindow>(state, owner, std::string(target_file)),
                                    window);
}

void CloseRelatedProjectsList() {
  if (ui::Handle open = ui::host().find_window(kListTemplate); open != 0) ui::host().destroy_window(open);
}

// --- The editor ----------------------------------------------------------------------

RelatedProjectsEditor::RelatedProjectsEditor(project::ProjectState& state, std::string path)
    : state_(state), path_(std::move(path)) {}

void RelatedProjectsEditor::on_init(ui::Dialog& dialog) {
  dialog.set_caption("Edit Related Projects List: " + std::string(platform::file_name_of(path_)));
  read_ = read_related_projects(path_);
  projects_ = read_;
  show(dialog);
}

void RelatedProjectsEditor::show(ui::Dialog& dialog) {
  dialog.clear_items(IDC_WG_EDIT_PROJECTS);
  // The list shows each project where it lies on this system; projects_ keeps
  // the paths as the file stores them.
  for (const auto& p : projects_)
    dialog.add_item(IDC_WG_EDIT_PROJECTS, platform::shown_in_field(p.path) + "\t\t" + p.comment);
}

void RelatedProjectsEditor::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case IDC_WG_EDIT_PROJECTS:
      if (notify == ui::Notify::selection) {
        const int at = dialog.selection(IDC_WG_EDIT_PROJECTS);
        if (at >= 0) dialog.set_text(IDC_WG_EDIT_COMMENT, projects_[static_cast<size_t>(at)].comment);
      }
      return;
    case IDC_WG_EDIT_ADD:
      return add(dialog);
    case IDC_WG_EDIT_REMOVE:
      return remove(dialog);
    case IDC_WG_EDIT_STORE_COMMENT:
      return store_comment(dialog);
    case IDC_WG_EDIT_HELP:
      core::ProductHelpContext(state_, dialog.handle(), kRelatedEditorHelp);
      return;
    case ui::kIdOk:
      return accept(dialog);
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

void RelatedProjectsEditor::add(ui::Dialog& dialog) {
  ui::FileDialogRequest request;
  request.filter = text::iends_with(state_.project_path, ".mvp") ? "*.mvp" : "*.hpj";
  auto chosen = ui::host().file_dialog(dialog.handle(), request);
  if (!chosen || text::trim(*chosen).empty()) return;
  const std::string path = platform::lower_unless_host_path(platform::stored_from_field(*chosen, ""));
  for (const auto& p : projects_) {
    if (!text::iequals(p.path, path)) continue;
    core::show_message(state_, kAlreadyListed, ui::kMbOk | ui::kMbIconExclamation, "");
    return;
  }
  projects_.push_back({path, ""});
  show(dialog);
  dialog.set_selection(IDC_WG_EDIT_PROJECTS, static_cast<int>(projects_.size()) - 1);
  dialog.set_text(IDC_WG_EDIT_COMMENT, "");
}

void RelatedProjectsEditor::remove(ui::Dialog& dialog) {
  const int at = dialog.selection(IDC_WG_EDIT_PROJECTS);
  if (at < 0 || at >= static_cast<int>(projects_.size())) return;
  projects_.erase(projects_.begin() + at);
  show(dialog);
  dialog.set_text(IDC_WG_EDIT_COMMENT, "");
}

void RelatedProjectsEditor::store_comment(ui::Dialog& dialog) {
  const int at = dialog.selection(IDC_WG_EDIT_PROJECTS);
  if (at < 0 || at >= static_cast<int>(projects_.size())) return;
  // A line break in the comment would end the project's line in the file.
  std::string comment = dialog.text(IDC_WG_EDIT_COMMENT);
  for (char& c : comment)
    if (c == '\r' || c == '\n') c = ' ';
  projects_[static_cast<size_t>(at)].comment = comment;
  show(dialog);
  dialog.set_selection(IDC_WG_EDIT_PROJECTS, at);
}

// A failed write keeps the dialog open, so the author's edits survive.
void RelatedProjectsEditor::accept(ui::Dialog& dialog) {
  if (projects_ == read_) return dialog.end(1);
  if (core::show_message(state_, kConfirmWrite, ui::kMbOkCancel | ui::kMbIconQuestion) != ui::kIdOk) return;
  if (!write_related_projects(path_, projects_)) {
    core::show_message(state_, kWriteDenied, ui::kMbOk | ui::kMbIconStop);
    return;
  }
  dialog.end(1);
}

int EditRelatedProjects(project::ProjectState& state, std::int32_t window, std::string_view path) {
  if (text::trim(path).empty()) return 0;
  RelatedProjectsEditor editor(state, std::string(text::trim(path)));
  return ui::host().run_modal(core::authoring_module(), "DLG_WG_EDIT", editor, core::dialog_owner(state, window)) == 1
             ? 1
             : 0;
}

}  // namespace aids
