#include "aids/related_files_dialog.h"

#include "aids/related_projects.h"
#include "core/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/project_state.h"
#include "resources/trvwck32/related.h"

namespace aids {
namespace {

constexpr std::string_view kNoFileChosen = "You must select at least one file.";

bool listed(const ui::Dialog& dialog, int list, std::string_view item) {
  for (int i = 0, n = dialog.item_count(list); i < n; ++i)
    if (text::iequals(dialog.item_text(list, i), item)) return true;
  return false;
}

}  // namespace

std::vector<std::string> RelatedHelpFiles(const project::ProjectState& state) {
  std::vector<std::string> files;
  for (const RelatedProject& p : read_related_projects(state.settings.work_group_file)) {
    if (text::iequals(related_project_path(state, p.path), state.project_path)) continue;
    std::string help = platform::replace_extension(p.path, ".hlp");
    bool seen = false;
    for (const auto& f : files) seen = seen || text::iequals(f, help);
    if (!seen) files.push_back(std::move(help));
  }
  return files;
}

void RelatedFilesDialog::on_init(ui::Dialog& dialog) {
  for (const std::string& file : RelatedHelpFiles(state_)) dialog.add_item(IDC_WG_FILES_AVAILABLE, file);
  dialog.set_check(IDC_WG_FILES_FIRST_CHOICE, 1);
  dialog.set_check(IDC_WG_FILES_SECOND_CHOICE, 0);
}

void RelatedFilesDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case IDC_WG_FILES_AVAILABLE:
      if (notify == ui::Notify::double_clicked) add(dialog);
      return;
    case IDC_WG_FILES_ADD:
      return add(dialog);
    case IDC_WG_FILES_REMOVE:
      return remove(dialog);
    case ui::kIdOk:
      return accept(dialog);
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

// Every selected help file joins the chosen ones once; the selection goes.
void RelatedFilesDialog::add(ui::Dialog& dialog) {
  for (int i = 0, n = dialog.item_count(IDC_WG_FILES_AVAILABLE); i < n; ++i) {
    if (!dialog.item_selected(IDC_WG_FILES_AVAILABLE, i)) continue;
    const std::string file = dialog.item_text(IDC_WG_FILES_AVAILABLE, i);
    if (!listed(dialog, IDC_WG_FILES_CHOSEN, file)) dialog.add_item(IDC_WG_FILES_CHOSEN, file);
    dialog.select_item(IDC_WG_FILES_AVAILABLE, i, false);
  }
}

void RelatedFilesDialog::remove(ui::Dialog& dialog) {
  for (int i = dialog.item_count(IDC_WG_FILES_CHOSEN) - 1; i >= 0; --i)
    if (dialog.item_selected(IDC_WG_FILES_CHOSEN, i)) dialog.delete_item(IDC_WG_FILES_CHOSEN, i);
}

void RelatedFilesDialog::accept(ui::Dialog& dialog) {
  const int count = dialog.item_count(IDC_WG_FILES_CHOSEN);
  if (count == 0) {
    core::show_message(state_, kNoFileChosen, ui::kMbOk | ui::kMbIconStop);
    dialog.set_focus(IDC_WG_FILES_AVAILABLE);
    return;
  }
  chosen_.clear();
  for (int i = 0; i < count; ++i) chosen_ += (i ? ";" : "") + dialog.item_text(IDC_WG_FILES_CHOSEN, i);
  const int choice = dialog.check(IDC_WG_FILES_CHECK) == 1         ? 3
                     : dialog.check(IDC_WG_FILES_SECOND_CHOICE) == 1 ? 2
                                                                    : 1;
  dialog.end(choice);
}

int ChooseRelatedHelpFiles(project::ProjectState& state, std::int32_t window, std::string& files) {
  RelatedFilesDialog chooser(state);
  const int result = ui::host().run_modal(core::authoring_module(), "DLG_WG_FILES", chooser,
                                          core::dialog_owner(state, window));
  if (result >= 1 && result <= 3) files = chooser.chosen();
  return result >= 1 && result <= 3 ? result : 0;
}

}  // namespace aids
