#include "contents/dialogs/preview_page.h"

#include "contents/contents_file.h"
#include "contents/dialogs/entry_drawing.h"
#include "core/messages.h"
#include "core/text_commands.h"
#include "platform/ui/list_view.h"

#include <algorithm>

namespace contents {
namespace {

constexpr int kMsgOtherFile = 58;
constexpr int kContentsCaption = 10096;
constexpr int kMacroCaption = 10100;

}  // namespace

size_t top_after_opening(size_t book, size_t opened, size_t rows) {
  const size_t last = book + std::min(opened, kItemsShownUnderBook);
  rows = std::max<size_t>(rows, 1);
  return last < rows ? 0 : std::min(book, last + 1 - rows);
}

PreviewPage::PreviewPage(core::CoreState& state, ContentsSession& session, std::string contents_path,
                         PreviewHooks hooks)
    : state_(state), session_(session), path_(std::move(contents_path)), hooks_(std::move(hooks)) {}

void PreviewPage::on_init(ui::Dialog& dialog) {
  item_height_ = list_item_height();
  ui::set_item_height(dialog, kEntries, item_height_);
  ContentsModel& model = session_.model;
  if (!model.loaded) load_contents(model, path_);
  if (hooks_.set_caption && !model.file.title.empty())
    hooks_.set_caption(core::resource_string(kContentsCaption) + model.file.title.substr(0, kPreviewCaptionTitle));
  preview_ = start_preview(model);
  refill(dialog, session_.preview_item < preview_.visible.size() ? session_.preview_item : 0);
}

void PreviewPage::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kEntries && notify == ui::Notify::selection) return selected(dialog);
  if ((id == kEntries && notify == ui::Notify::double_clicked) || id == kAction) return choose(dialog);
  ui::DialogProc::on_command(dialog, id, notify);
}

void PreviewPage::refill(ui::Dialog& dialog, size_t selected_item) {
  dialog.clear_items(kEntries);
  for (const size_t index : preview_.visible) dialog.add_item(kEntries, entry_at(session_.model, index).line());
  if (selected_item < preview_.visible.size()) dialog.set_selection(kEntries, static_cast<int>(selected_item));
  selected(dialog);
}

void PreviewPage::selected(ui::Dialog& dialog) {
  const int item = dialog.selection(kEntries);
  if (item >= 0) {
    session_.preview_item = static_cast<size_t>(item);
    dialog.set_text(kAction, action_caption(session_.model, preview_, static_cast<size_t>(item)));
  }
  paint_entry_list(dialog, kEntries, session_.model, preview_.visible, DrawMode::preview, item_height_);
}

void PreviewPage::choose(ui::Dialog& dialog) {
  const int item = dialog.selection(kEntries);
  if (item < 0 || static_cast<size_t>(item) >= preview_.visible.size()) return;
  const CntEntry& entry = entry_at(session_.model, preview_.visible[static_cast<size_t>(item)]);
  if (!entry.is_topic()) {
    const size_t book = static_cast<size_t>(item);
    const size_t shown_before = preview_.visible.size();
    if (!toggle_book(session_.model, preview_, book)) return;
    refill(dialog, book);
    if (preview_.visible.size() > shown_before) show_opened(dialog, book, preview_.visible.size() - shown_before);
    return;
  }
  choose_topic(entry);
}

void PreviewPage::show_opened(ui::Dialog& dialog, size_t book, size_t opened) {
  const int height = dialog.control_rect(kEntries).cy;
  const size_t rows = item_height_ > 0 && height > 0 ? static_cast<size_t>(height / item_height_) : 1;
  ui::set_top_index(dialog, kEntries, static_cast<int>(top_after_opening(book, opened, rows)));
}

void PreviewPage::choose_topic(const CntEntry& entry) {
  const std::string_view target = entry.target();
  if (entry.is_macro()) {
    core::show_message(state_, target, ui::kMbOk, core::resource_string(kMacroCaption));
    return;
  }
  if (target.find('@') != std::string_view::npos) {
    core::show_message(state_, core::resource_string(kMsgOtherFile), ui::kMbOk | ui::kMbIconInformation);
    return;
  }
  if (hooks_.go_to) hooks_.go_to(core::FixBookmark(target.substr(0, target.find('>'))));
}

}  // namespace contents
