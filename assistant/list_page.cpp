#include <algorithm>

#include "assistant/arrange.h"
#include "assistant/pages.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace assistant {

void ListPage::fill(ui::Dialog& dialog, const App& app) {
  dialog.clear_items(kEntryList);
  for (int i = 0; i < app.model.count(); ++i) dialog.add_item(kEntryList, list_line(app.model, i));
  dialog.set_selection(kEntryList, app.model.current < app.model.count() ? app.model.current : -1);
}

void ListPage::on_init(ui::Dialog& dialog) { fill(dialog, app_); }

void ListPage::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kEntryList && notify == ui::Notify::selection) {
    int item = dialog.selection(kEntryList);
    if (item >= 0) app_.show_entry(item);
  } else if (id == kEntryList && notify == ui::Notify::double_clicked) {
    app_.show_tab(0);
  } else if (id == kSearch && notify == ui::Notify::clicked) {
    search(dialog);
  } else if (id == kArrange && notify == ui::Notify::clicked) {
    arrange(dialog);
  } else if (id == kMoveUp && notify == ui::Notify::clicked) {
    move(dialog, -1);
  } else if (id == kMoveDown && notify == ui::Notify::clicked) {
    move(dialog, 1);
  }
}

// Enter in the search field searches.
bool ListPage::on_key(ui::Dialog& dialog, int id, ui::KeyPress key) {
  if (id != kSearchText || key.key != ui::Key::enter) return false;
  search(dialog);
  return true;
}

// From the line after the selected one to the end, without wrapping round.
void ListPage::search(ui::Dialog& dialog) {
  std::string wanted = text::to_upper(dialog.text(kSearchText));
  if (wanted.empty()) return;
  for (int i = dialog.selection(kEntryList) + 1; i < dialog.item_count(kEntryList); ++i) {
    if (text::to_upper(dialog.item_text(kEntryList, i)).find(wanted) == std::string::npos) continue;
    app_.show_entry(i);
    return;
  }
}

void ListPage::move(ui::Dialog& dialog, int step) {
  int item = dialog.selection(kEntryList);
  int other = item + step;
  if (item < 0 || other < 0 || other >= app_.model.count()) return;
  app_.model.exchange(std::min(item, other));
  app_.show_entry(other);
}

void ListPage::arrange(ui::Dialog& dialog) {
  std::vector<int> order = arranged_order(app_.model);
  auto at = std::find(order.begin(), order.end(), app_.model.current);
  app_.model.reorder(order);
  app_.show_entry(at == order.end() ? app_.model.count() : static_cast<int>(at - order.begin()));
}

}  // namespace assistant
