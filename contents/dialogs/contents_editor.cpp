// The editor's frame: opening, the command table, OK and Cancel.
#include "contents/dialogs/contents_editor.h"

#include "aids/related_targets.h"
#include "contents/contents_file.h"
#include "contents/dialogs/entry_drawing.h"
#include "core/help_commands.h"
#include "core/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "platform/ui/list_view.h"
#include "platform/ui/window_state.h"
#include "project/project_state.h"

namespace contents {
namespace {

constexpr int kMsgIndexOutOfDate = 59;
constexpr int kMsgNotWritten = 10101;
constexpr int kLargeScreenWidth = 745;

}  // namespace

bool use_large_layout(int screen_width, int dialog_base_unit_x) {
  return screen_width >= kLargeScreenWidth && 100 * dialog_base_unit_x < screen_width + 5;
}

int EditContents(project::ProjectState& state, ContentsSession& session, std::int32_t window) {
  if (state.options.invalid_index)
    core::show_message(state, core::resource_string(kMsgIndexOutOfDate), ui::kMbOk | ui::kMbIconExclamation);
  ContentsEditor editor(state, session);
  const ui::ScreenSize screen = ui::host().screen_size();
  const char* name = use_large_layout(screen.width, screen.dialog_base_unit_x) ? "DLG_CNT_B" : "DLG_CNT";
  ui::host().run_modal(core::authoring_module(), name, editor, core::dialog_owner(state, window));
  return 1;
}

ContentsEditor::ContentsEditor(project::ProjectState& state, ContentsSession& session)
    : state_(state), session_(session), model_(session.model), path_(contents_path(state.project_path)) {}

void ContentsEditor::on_init(ui::Dialog& dialog) {
  handle_ = dialog.handle();
  // The editor stays above the word processor while the author works in it.
  ui::set_topmost(dialog.handle(), true);
  item_height_ = list_item_height();
  ui::set_item_height(dialog, kEntries, item_height_);
  fill_topics(dialog);
  fill_windows(dialog, kTopicWindow);
  fill_windows(dialog, kDefaultWindow);
  dialog.set_text(kTopicWindow, "");
  dialog.set_text(kHelpFile, std::string(platform::file_name_of(platform::replace_extension(state_.project_path, ".hlp"))));
  dialog.set_text(kPath, platform::to_host_path(path_));
  load_contents(model_, path_);
  show_header(dialog);
  refill_entries(dialog, entry_count(model_) > 0 ? Selection{0} : Selection{});
  if (dialog.item_count(kTopics) > 0) dialog.set_selection(kTopics, 0);
}

void ContentsEditor::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case kBookText:
      if (notify == ui::Notify::changed) enable_buttons(dialog);
      return;
    case kAddBook: return add_book(dialog);
    case kTopics:
      if (notify == ui::Notify::double_clicked) add_topics(dialog);
      return;
    case kAddTopic: return add_topics(dialog);
    case kAddMacro: return add_macro(dialog);
    case kEntries:
      if (notify == ui::Notify::double_clicked) edit(dialog);
      else if (notify == ui::Notify::selection) repaint(dialog);
      return;
    case kEdit: return edit(dialog);
    case kDelete: return remove(dialog);
    case kShiftLeft: return shift(dialog, -1);
    case kShiftRight: return shift(dialog, +1);
    case kLevelOne: return level_one(dialog);
    case kMoveUp: return move(dialog, Direction::up);
    case kMoveDown: return move(dialog, Direction::down);
    case kIndexLinks: return index_links(dialog);
    case kSort: return fill_topics(dialog);
    case kRelated:
      aids::OpenRelatedProjectsList(state_, *this, dialog.handle(), "");
      return;
    case kHelp:
      core::ProductHelpContext(state_, dialog.handle(), kContentsEditorHelp);
      return;
    case ui::kIdOk: return accept(dialog);
    case ui::kIdCancel:
      cancelled_ = true;
      return close(dialog, 0);
    default: ui::DialogProc::on_command(dialog, id, notify);
  }
}

bool ContentsEditor::on_key(ui::Dialog& dialog, int id, ui::KeyPress key) {
  if (id != kEntries || key.shift) return false;
  switch (key.key) {
    case ui::Key::left: shift(dialog, -1); return true;
    case ui::Key::right: shift(dialog, +1); return true;
    case ui::Key::del: remove(dialog); return true;
    default: return false;
  }
}

// A file that cannot be written leaves the dialog open and the old file as
// it was; the author is told, so the edits are not lost unawares.
void ContentsEditor::accept(ui::Dialog& dialog) {
  model_.file.title = dialog.text(kTitle);
  model_.file.base = std::string(text::trim(dialog.text(kHelpFile)));
  model_.file.default_window = std::string(text::trim(dialog.text(kDefaultWindow)));
  model_.file.base_line = true;
  model_.file.title_line = true;
  if (!save_contents(model_, path_)) {
    core::show_message(state_, text::format(core::resource_string(kMsgNotWritten).c_str(), platform::to_host_path(path_).c_str()),
                       ui::kMbOk | ui::kMbIconStop);
    return;
  }
  close(dialog, 1);
}

// The list window goes with the editor and reloads nothing then.
void ContentsEditor::on_close(ui::Dialog&) {
  cancelled_ = true;
  aids::CloseRelatedProjectsList();
  handle_ = 0;
}

void ContentsEditor::load_targets(std::string_view project_path) {
  ui::Dialog* dialog = handle_ != 0 ? ui::host().find_dialog(handle_) : nullptr;
  if (dialog == nullptr) return;
  topics_project_ = aids::is_current_project(state_, project_path) ? "" : std::string(project_path);
  fill_topics(*dialog);
}

void ContentsEditor::close(ui::Dialog& dialog, int result) {
  start_model(model_);
  dialog.end(result);
}

}  // namespace contents
