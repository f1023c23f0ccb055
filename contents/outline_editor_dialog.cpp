#include "contents/outline_editor_dialog.h"

#include "aids/aids_state.h"
#include "aids/related_targets.h"
#include "contents/contents_file.h"
#include "contents/list_item_height.h"
#include "contents/outline_entries.h"
#include "contents/outline_entry_dialog.h"
#include "contents/outline_file.h"
#include "contents/outline_list.h"
#include "contents/outline_topics.h"
#include "core/help_commands.h"
#include "core/messages.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "platform/ui/list_view.h"
#include "resources/trvwck32/outline.h"
#include "formats/help_contexts.h"

namespace contents {
namespace {

constexpr int kMsgNoContentsFile = 10400;
constexpr int kMsgReplaceOutline = 10401;
constexpr int kMsgCannotWrite = 10402;
constexpr int kOutlineHelpContext = help_contexts::kOutlineEditor;
constexpr int kListWidth = 300;

}  // namespace

bool use_large_outline_layout(int screen_width, int base_unit_x) {
  return screen_width >= 745 && 100 * base_unit_x < screen_width + 5;
}

void OutlineEditorDialog::on_init(ui::Dialog& dialog) {
  handle_ = dialog.handle();
  item_height_ = list_item_height();
  ui::set_item_height(dialog, IDC_OUT_ENTRIES, item_height_);
  load_topics(dialog);
  dialog.set_check(IDC_OUT_MASTER_DOC, read_use_master_document(settings_file_) ? 1 : 0);
  load_outline(model_, outline_file_);
  if (entry_count(model_) == 0) start_outline(model_);
  show_entries(dialog, {0});
  if (dialog.item_count(IDC_OUT_TOPICS) > 0) dialog.select_item(IDC_OUT_TOPICS, 0, true);
  dialog.enable(IDC_OUT_ADD_HEADING, false);
}

void OutlineEditorDialog::load_topics(ui::Dialog& dialog) {
  const bool sorted = dialog.check(IDC_OUT_SORT) == 1;
  topics_ = topics_project_.empty()
                ? outline_topic_list(state_, sorted)
                : outline_topic_list(aids::project_topics(state_, topics_project_), topics_project_, sorted);
  dialog.clear_items(IDC_OUT_TOPICS);
  for (const auto& line : topics_) dialog.add_item(IDC_OUT_TOPICS, line);
}

Selection OutlineEditorDialog::selection(const ui::Dialog& dialog) const {
  Selection chosen;
  for (int i = 0; i < dialog.item_count(IDC_OUT_ENTRIES); ++i) {
    if (dialog.item_selected(IDC_OUT_ENTRIES, i)) chosen.push_back(static_cast<size_t>(i));
  }
  return chosen;
}

void OutlineEditorDialog::show_entries(ui::Dialog& dialog, const Selection& selected) {
  dialog.clear_items(IDC_OUT_ENTRIES);
  for (size_t i = 0; i < entry_count(model_); ++i) dialog.add_item(IDC_OUT_ENTRIES, entry_at(model_, i).line());
  for (const size_t index : selected) {
    if (index < entry_count(model_)) dialog.select_item(IDC_OUT_ENTRIES, static_cast<int>(index), true);
  }
  repaint(dialog);
}

void OutlineEditorDialog::repaint(ui::Dialog& dialog) {
  std::vector<bool> selected(entry_count(model_), false);
  for (const size_t index : selection(dialog)) selected[index] = true;
  ui::host().paint(dialog.handle(), IDC_OUT_ENTRIES,
                   [&](ui::Painter& painter) { draw_outline(painter, model_, selected, kListWidth, item_height_); });
}

void OutlineEditorDialog::add_document(ui::Dialog& dialog) {
  auto entry = edit_document(state_, dialog.handle(), nullptr);
  if (!entry) return;
  show_entries(dialog, insert_after_anchor(model_, selection(dialog), {std::move(*entry)}));
}

void OutlineEditorDialog::add_heading(ui::Dialog& dialog) {
  const std::string heading(text::trim(dialog.text(IDC_OUT_HEADING_TEXT)));
  if (heading.empty()) return;
  const Selection chosen = selection(dialog);
  const int level = new_heading_level(model_, insertion_anchor(model_, chosen));
  show_entries(dialog, insert_after_anchor(model_, chosen, {make_heading_entry(heading, "", level)}));
  dialog.set_text(IDC_OUT_HEADING_TEXT, "");
  dialog.enable(IDC_OUT_ADD_HEADING, false);
}

void OutlineEditorDialog::add_topics(ui::Dialog& dialog) {
  const Selection chosen = selection(dialog);
  const auto anchor = insertion_anchor(model_, chosen);
  std::vector<CntEntry> entries;
  for (int i = 0; i < dialog.item_count(IDC_OUT_TOPICS); ++i) {
    if (!dialog.item_selected(IDC_OUT_TOPICS, i)) continue;
    if (is_external_document_at(model_, anchor)) return refuse(dialog, kMsgExternalHoldsNothing, ui::kMbIconStop);
    const TopicChoice topic = topic_choice(dialog.item_text(IDC_OUT_TOPICS, i));
    entries.push_back(CntEntry{new_outline_topic_level(model_, anchor), topic.title + "\t" + topic.context, false});
    dialog.select_item(IDC_OUT_TOPICS, i, false);
  }
  if (!entries.empty()) show_entries(dialog, insert_after_anchor(model_, chosen, std::move(entries)));
}

void OutlineEditorDialog::edit_entry(ui::Dialog& dialog) {
  const Selection chosen = selection(dialog);
  if (chosen.empty()) return;
  const size_t index = chosen.front();
  const CntEntry& entry = entry_at(model_, index);
  const auto edited =
      is_document(entry) ? edit_document(state_, dialog.handle(), &entry) : edit_heading(state_, dialog.handle(), entry);
  if (!edited) return;
  replace_entry_text(model_, index, edited->text);
  show_entries(dialog, chosen);
}

void OutlineEditorDialog::import(ui::Dialog& dialog) {
  const std::string path = contents_path(state_.project_path);
  const auto bytes = platform::file_exists(path) ? platform::read_file(path) : std::nullopt;
  if (!bytes) return refuse(dialog, kMsgNoContentsFile, ui::kMbIconStop);
  if (core::show_message(state_, core::resource_string(kMsgReplaceOutline), ui::kMbOkCancel | ui::kMbIconQuestion) !=
      ui::kIdOk)
    return;
  import_contents(model_, formats::read_cnt(*bytes));
  show_entries(dialog, {0});
}

void OutlineEditorDialog::save(ui::Dialog& dialog) {
  if (const auto problem = check_outline(model_)) {
    show_entries(dialog, {problem->index});
    return refuse(dialog, problem->message, ui::kMbIconStop);
  }
  const bool master = dialog.check(IDC_OUT_MASTER_DOC) == 1;
  if (save_outline(model_, outline_file_) != OutlineSave::saved ||
      !write_outline_settings(settings_file_, entry_count(model_), master))
    return refuse(dialog, kMsgCannotWrite, ui::kMbIconExclamation);
  dialog.end(1);
}

void OutlineEditorDialog::refuse(ui::Dialog& dialog, int message, std::uint32_t icon) {
  core::show_message(state_, core::resource_string(message), ui::kMbOk | icon);
  dialog.set_focus(IDC_OUT_ENTRIES);
}

void OutlineEditorDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case IDC_OUT_HEADING_TEXT:
      if (notify == ui::Notify::changed) dialog.enable(IDC_OUT_ADD_HEADING, !text::trim(dialog.text(id)).empty());
      return;
    case IDC_OUT_TOPICS:
      if (notify == ui::Notify::double_clicked) add_topics(dialog);
      return;
    case IDC_OUT_ENTRIES:
      if (notify == ui::Notify::double_clicked) return edit_entry(dialog);
      if (notify == ui::Notify::selection) repaint(dialog);
      return;
    case IDC_OUT_NEW_DOCUMENT: return add_document(dialog);
    case IDC_OUT_ADD_HEADING: return add_heading(dialog);
    case IDC_OUT_ADD_TOPIC: return add_topics(dialog);
    case IDC_OUT_EDIT: return edit_entry(dialog);
    case IDC_OUT_DELETE: return remove(dialog);
    case IDC_OUT_SHIFT_LEFT: return shift(dialog, -1);
    case IDC_OUT_SHIFT_RIGHT: return shift(dialog, +1);
    case IDC_OUT_LEVEL_TWO: {
      const Selection chosen = selection(dialog);
      set_heading_level_two(model_, chosen);
      return show_entries(dialog, chosen);
    }
    case IDC_OUT_MOVE_UP:
    case IDC_OUT_MOVE_DOWN:
      return show_entries(dialog, move_selection(model_, selection(dialog),
                                                 id == IDC_OUT_MOVE_UP ? Direction::up : Direction::down));
    case IDC_OUT_IMPORT: return import(dialog);
    case IDC_OUT_SORT: return load_topics(dialog);
    case IDC_OUT_RELATED:
      aids::OpenRelatedProjectsList(state_, *this, dialog.handle(), "");
      return;
    case ui::kIdCancel:
      cancelled_ = true;
      return ui::DialogProc::on_command(dialog, id, notify);
    case IDC_OUT_HELP:
      core::ProductHelpContext(state_, dialog.handle(), kOutlineHelpContext);
      return;
    case ui::kIdOk: return save(dialog);
    default: return ui::DialogProc::on_command(dialog, id, notify);
  }
}

void OutlineEditorDialog::remove(ui::Dialog& dialog) {
  delete_entries(model_, selection(dialog));
  show_entries(dialog, {});
}

void OutlineEditorDialog::shift(ui::Dialog& dialog, int by) {
  const Selection chosen = selection(dialog);
  shift_outline_entries(model_, chosen, by);
  show_entries(dialog, chosen);
}

bool OutlineEditorDialog::on_key(ui::Dialog& dialog, int id, ui::KeyPress key) {
  if (id != IDC_OUT_ENTRIES || key.shift) return false;
  switch (key.key) {
    case ui::Key::left: shift(dialog, -1); return true;
    case ui::Key::right: shift(dialog, +1); return true;
    case ui::Key::del: remove(dialog); return true;
    default: return false;
  }
}

// The list window goes with the editor and reloads nothing then.
void OutlineEditorDialog::on_close(ui::Dialog&) {
  cancelled_ = true;
  aids::CloseRelatedProjectsList();
  handle_ = 0;
}

void OutlineEditorDialog::load_targets(std::string_view project_path) {
  ui::Dialog* dialog = handle_ != 0 ? ui::host().find_dialog(handle_) : nullptr;
  if (dialog == nullptr) return;
  topics_project_ = aids::is_current_project(state_, project_path) ? "" : std::string(project_path);
  load_topics(*dialog);
}

}  // namespace contents
