// The editor's buttons on the contents list: adding books, topics and
// macros, editing, deleting, shifting and moving entries, and the index and
// link items.
#include "aids/related_targets.h"
#include "contents/dialogs/contents_editor.h"
#include "contents/dialogs/entry_editor.h"
#include "contents/dialogs/index_links_dialog.h"
#include "core/messages.h"
#include "platform/ui/host.h"
#include "project/project_state.h"

namespace contents {
namespace {

constexpr int kMsgShiftLeft = 10090;
constexpr int kMsgShiftRight = 10091;

}  // namespace

void ContentsEditor::add_book(ui::Dialog& dialog) {
  const std::string text = dialog.text(kBookText);
  if (text.empty()) return;
  const Selection selection = selected_entries(dialog);
  const int level = new_book_level(model_, insertion_anchor(model_, selection));
  refill_entries(dialog, insert_after_anchor(model_, selection, {make_book_entry(text, level)}));
  dialog.set_text(kBookText, "");
  enable_buttons(dialog);
}

// Every chosen topic goes in, one after the other, at the level the entry
// before it gives.
void ContentsEditor::add_topics(ui::Dialog& dialog) {
  const std::string window = dialog.text(kTopicWindow);
  const std::string help_file = topics_project_.empty() ? "" : aids::project_help_file(topics_project_);
  Selection selection = selected_entries(dialog);
  for (int i = 0; i < dialog.item_count(kTopics); ++i) {
    if (!dialog.item_selected(kTopics, i)) continue;
    const auto choice = static_cast<size_t>(dialog.item_data(kTopics, i));
    if (choice >= topics_.size()) continue;
    const int level = new_topic_level(model_, insertion_anchor(model_, selection));
    selection = insert_after_anchor(
        model_, selection, {make_topic_entry(topics_[choice].title, topics_[choice].context, help_file, window, level)});
  }
  refill_entries(dialog, selection);
  dialog.set_text(kTopicWindow, "");
}

void ContentsEditor::add_macro(ui::Dialog& dialog) {
  const std::string text = edit_entry(state_, dialog.handle(), EntryKind::new_macro, "");
  if (text.empty()) return;
  refill_entries(dialog, insert_after_anchor(model_, selected_entries(dialog), {CntEntry{1, text, false}}));
}

// An include is edited as the book-field text it came from, so that it stays
// an include only while it names one.
void ContentsEditor::edit(ui::Dialog& dialog) {
  const Selection selection = selected_entries(dialog);
  if (selection.empty()) return;
  const size_t index = selection.front();
  const CntEntry entry = entry_at(model_, index);
  const std::string text = edit_entry(state_, dialog.handle(), entry_kind(entry), entry.text);
  if (text.empty()) return;
  if (entry.include) {
    delete_entry(model_, index);
    insert_entry(model_, index, make_book_entry(text, 1));
  } else {
    replace_entry_text(model_, index, text);
  }
  refill_entries(dialog, selection);
}

void ContentsEditor::remove(ui::Dialog& dialog) {
  const Selection selection = selected_entries(dialog);
  if (selection.empty()) return;
  delete_entries(model_, selection);
  const size_t next = std::min(selection.front(), entry_count(model_));
  refill_entries(dialog, next < entry_count(model_) ? Selection{next} : Selection{});
}

void ContentsEditor::shift(ui::Dialog& dialog, int by) {
  const Selection selection = selected_entries(dialog);
  if (selection.empty()) return;
  const bool warns = by < 0 ? shift_left_warns(model_, selection) : shift_right_warns(model_, selection);
  if (warns) {
    const int answer = core::show_message(state_, core::resource_string(by < 0 ? kMsgShiftLeft : kMsgShiftRight),
                                          ui::kMbYesNo | ui::kMbIconStop | ui::kMbDefButton2);
    if (answer != ui::kIdYes) return;
  }
  shift_entries(model_, selection, by);
  refill_entries(dialog, selection);
}

void ContentsEditor::level_one(ui::Dialog& dialog) {
  const Selection selection = selected_entries(dialog);
  set_level_one(model_, selection);
  refill_entries(dialog, selection);
}

void ContentsEditor::move(ui::Dialog& dialog, Direction direction) {
  refill_entries(dialog, move_selection(model_, selected_entries(dialog), direction));
}

void ContentsEditor::index_links(ui::Dialog& dialog) {
  IndexLinksDialog links(state_, model_.file.index_links);
  ui::host().run_modal(core::authoring_module(), "DLG_INDEX", links, dialog.handle());
}

}  // namespace contents
