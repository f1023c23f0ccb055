#include "contents/dialogs/index_links_dialog.h"

#include "core/help_commands.h"
#include "platform/text.h"

namespace contents {

std::string index_link_item(std::string_view title, std::string_view file, bool keyword_index) {
  const std::string name(text::trim(file));
  if (!keyword_index) return name;
  const std::string_view shown = text::trim(title);
  return (shown.empty() ? name : std::string(shown)) + "=" + name;
}

IndexLinksDialog::IndexLinksDialog(core::CoreState& state, std::vector<std::string>& items)
    : state_(state), items_(items) {}

void IndexLinksDialog::on_init(ui::Dialog& dialog) {
  for (const std::string& item : items_) dialog.add_item(kList, item);
  dialog.set_check(kKeywordsToo, 1);
  dialog.set_check(kLinksOnly, 0);
  show_title(dialog);
  dialog.enable(kAdd, false);
  if (dialog.item_count(kList) > 0) dialog.set_selection(kList, 0);
}

void IndexLinksDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case kKeywordsToo:
    case kLinksOnly:
      return show_title(dialog);
    case kFile:
      if (notify == ui::Notify::changed) dialog.enable(kAdd, !text::trim(dialog.text(kFile)).empty());
      return;
    case kAdd:
      return add(dialog);
    case kRemove:
      if (const int at = dialog.selection(kList); at >= 0) dialog.delete_item(kList, at);
      return;
    case kHelp:
      core::ProductHelpContext(state_, dialog.handle(), kIndexLinksHelp);
      return;
    case ui::kIdOk:
      items_.clear();
      for (int i = 0; i < dialog.item_count(kList); ++i) items_.push_back(dialog.item_text(kList, i));
      dialog.end(1);
      return;
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

// The title field is for the keyword index only.
void IndexLinksDialog::show_title(ui::Dialog& dialog) {
  const bool keyword_index = dialog.check(kLinksOnly) != 1;
  dialog.show(kTitle, keyword_index);
  dialog.show(IDC_INDEX_TITLE_LABEL, keyword_index);
  if (!keyword_index) dialog.set_text(kTitle, "");
}

void IndexLinksDialog::add(ui::Dialog& dialog) {
  if (text::trim(dialog.text(kFile)).empty()) return;
  const bool keyword_index = dialog.check(kLinksOnly) != 1;
  dialog.set_selection(kList, dialog.add_item(kList, index_link_item(dialog.text(kTitle), dialog.text(kFile),
                                                                      keyword_index)));
  dialog.set_text(kTitle, "");
  dialog.set_text(kFile, "");
  dialog.enable(kAdd, false);
}

}  // namespace contents
