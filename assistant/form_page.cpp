#include "assistant/context_help.h"
#include "assistant/field_keys.h"
#include "assistant/include_scan.h"
#include "assistant/pages.h"
#include "assistant/tab_strip.h"
#include "platform/foreign_windows.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace assistant {

namespace {

constexpr std::string_view kPropertiesWindow = "wndclass_pbrs";
constexpr int kIdFields[] = {kDialogField, kControlField, kContextField, kIdLabel};
// The topic ID list is owner-drawn: one row a name, as high as its check mark.
constexpr int kTopicRowHeight = 16;
constexpr int kTopicRowWidth = 320;
constexpr ui::Colour kSelectedRow = 0xF0D8C0;  // light blue behind the chosen name

// Draws every name of the list, with the check mark on those already used.
void paint_topic_ids(const ui::Dialog& dialog) {
  ui::host().paint(dialog.handle(), kTopicIdList, [&](ui::Painter& painter) {
    const int chosen = dialog.selection(kTopicIdList);
    for (int i = 0; i < dialog.item_count(kTopicIdList); ++i) {
      const ui::Rect row{0, i * kTopicRowHeight, kTopicRowWidth, kTopicRowHeight};
      painter.fill(row, i == chosen ? kSelectedRow : ui::kWhite);
      paint_topic_item(painter, dialog.item_text(kTopicIdList, i), dialog.item_data(kTopicIdList, i) != 0, row);
    }
  });
}

}  // namespace

void FormPage::arrange_fields(ui::Dialog& dialog, const App& app) {
  bool from_include = app.model.mode == IdSource::include_file;
  for (int id : kIdFields) dialog.show(id, !from_include);
  dialog.show(kTopicIdList, from_include);
  dialog.show(kListIdLabel, from_include);
  bool visual_basic = app.model.mode == IdSource::visual_basic;
  dialog.show(kReadVb, visual_basic);
  dialog.show(kPasteVb, visual_basic);
  dialog.clear_items(kTopicIdList);
  for (const std::string& name : app.topic_ids) {
    int item = dialog.add_item(kTopicIdList, name);
    dialog.set_item_data(kTopicIdList, item, id_in_use(app.model, name) ? 1 : 0);
  }
  if (from_include) paint_topic_ids(dialog);
}

void FormPage::write_values(ui::Dialog& dialog, const FormValues& v, const App& app) {
  dialog.set_text(kDialogField, v.dialog);
  dialog.set_text(kControlField, v.control);
  dialog.set_text(kContextField, v.context);
  dialog.set_text(kPopupField, v.popup);
  for (int i = 0; i < dialog.item_count(kTopicIdList); ++i)
    dialog.set_item_data(kTopicIdList, i, id_in_use(app.model, dialog.item_text(kTopicIdList, i)) ? 1 : 0);
  int item = v.topic_id.empty() ? -1 : dialog.find_item(kTopicIdList, v.topic_id);
  if (item < 0 && !v.topic_id.empty()) item = dialog.add_item(kTopicIdList, v.topic_id);
  dialog.set_selection(kTopicIdList, item);
  if (app.model.mode == IdSource::include_file) paint_topic_ids(dialog);
}

FormValues FormPage::read_values(const ui::Dialog& dialog) {
  FormValues v;
  v.dialog = dialog.text(kDialogField);
  v.control = dialog.text(kControlField);
  v.context = dialog.text(kContextField);
  v.popup = dialog.text(kPopupField);
  int item = dialog.selection(kTopicIdList);
  if (item >= 0) v.topic_id = dialog.item_text(kTopicIdList, item);
  return v;
}

void FormPage::on_init(ui::Dialog& dialog) {
  arrange_fields(dialog, app_);
  write_values(dialog, app_.stored_form_, app_);
  dialog.set_text(kPosition, text::format("%d/%d", app_.model.current + 1, app_.model.count()));
}

void FormPage::on_help(ui::Dialog& dialog, int control) {
  show_control_help(app_.settings, dialog.handle(), control);
}

void FormPage::on_close(ui::Dialog& dialog) {
  app_.stored_form_ = read_values(dialog);
}

void FormPage::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kTopicIdList && notify == ui::Notify::selection) {
    paint_topic_ids(dialog);
    if (ui::Dialog* panel = ui::host().find_dialog(app_.panel)) panel->enable(kCommit, true);
  } else if (id == kReadVb && notify == ui::Notify::clicked) {
    read_from_visual_basic(dialog);
  } else if (id == kPasteVb && notify == ui::Notify::clicked) {
    paste_to_visual_basic(dialog);
  }
}

// Tab and Shift+Tab walk the fields (Tab from the text commits the form);
// the TAB itself never reaches a field.
bool FormPage::on_key(ui::Dialog&, int id, ui::KeyPress key) {
  if (key.key != ui::Key::tab) return false;
  KeyResult r = tab_key(id, key.shift, app_.model.mode);
  if (r.focus < 0) return false;  // not one of the fields
  if (r.action == KeyAction::commit && !app_.commit(kCommit)) return true;  // the refusal set the focus
  app_.focus_field(r.focus);
  return true;
}

// The dialog identifier is the properties window's caption after "- ", the
// control identifier the current item of its object list.
void FormPage::read_from_visual_basic(ui::Dialog& dialog) {
  if (!text::trim(dialog.text(kControlField)).empty() && !app_.commit(kCommit)) return;
  std::optional<platform::ForeignWindow> properties = platform::find_foreign_window(kPropertiesWindow);
  if (!properties) return;
  size_t dash = properties->caption.find("- ");
  if (dash != std::string::npos) dialog.set_text(kDialogField, properties->caption.substr(dash + 2));
  dialog.set_text(kControlField, properties->combo_item);
}

void FormPage::paste_to_visual_basic(ui::Dialog& dialog) {
  platform::paste_into_foreign_window(kPropertiesWindow, dialog.text(kContextField));
}

}  // namespace assistant
