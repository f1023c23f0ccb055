// The topic dialog: setting up, dispatching commands, the context string
// proposed from the title, and the further options.
#include "project/dialogs/topic_dialog/topic_dialog.h"

#include "project/project_state.h"
#include "core/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/files/context_rules.h"
#include "project/topics/context_strings.h"

namespace project {

TopicDialog::TopicDialog(ProjectState& state, TopicTexts& texts) : state_(state), texts_(texts) {}

void TopicDialog::on_init(ui::Dialog& dialog) {
  const TopicTable& table = state_.data.topics;
  editing_ = texts_.context.empty() ? -1 : FindTopic(table, texts_.context);
  dialog.set_text(kTitle, texts_.title);
  dialog.set_text(kContext, texts_.context);
  long number = editing_ >= 0 ? table[editing_].number : table.next_number();
  dialog.set_text(kNumber, text::format("%ld", number));
  dialog.set_text(kBrowseText, texts_.browse);
  dialog.set_check(kAfter, 1);
  dialog.set_check(kBefore, 0);
  entry_macro_ = texts_.footnote;
  build_tags_ = texts_.build_tags;
  window_ = texts_.window;
  fill_topic_lists(dialog);
  fill_keyword_lists(dialog);
  // The alias editor is a command of its own that this dialog does not reach
  // yet; the keyword list comes from the writing aids when they are there.
  dialog.enable(kGlobalKeywords, static_cast<bool>(state_.aid_hooks.open_keyword_list));
  dialog.enable(kAlias, false);
  dialog.set_focus(kTitle);
}

void TopicDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case ui::kIdOk:
      accept(dialog);
      return;
    case kTitle:
      if (notify == ui::Notify::changed) title_changed(dialog);
      return;
    case kBrowseList:
    case kContextList:
      if (notify == ui::Notify::selection) topic_chosen(dialog, id);
      return;
    case kShowBrowse:
    case kShowContext:
      show_topic_list(dialog, id == kShowBrowse);
      propose_browse_text(dialog);
      return;
    case kAfter:
    case kBefore:
      propose_browse_text(dialog);
      return;
    case kKeywordTabs:
      if (notify == ui::Notify::selection) keyword_tab_chosen(dialog);
      return;
    case kAddMain: return add_keyword(dialog, false);
    case kAddSub: return add_keyword(dialog, true);
    case kRemove: return remove_keyword(dialog);
    case kPromote: return change_level(dialog, true);
    case kDemote: return change_level(dialog, false);
    case kMoveUp: return move_keyword(dialog, -1);
    case kMoveDown: return move_keyword(dialog, 1);
    case kMore: return more_options(dialog);
    case kGlobalKeywords: return open_keyword_list(dialog);
    default: ui::DialogProc::on_command(dialog, id, notify);
  }
}

// While the context string is empty, or still the one made from the title,
// typing a title proposes one.
void TopicDialog::title_changed(ui::Dialog& dialog) {
  std::string context(text::trim(dialog.text(kContext)));
  if (!context.empty() && context != proposed_context_) return;
  std::string title(text::trim(text::cut(dialog.text(kTitle), kTitleMax)));
  proposed_context_ =
      title.empty() ? std::string()
                    : text::cut(ContextFromTitle(state_.data.topics, title, unique_prefix_length(state_.word_version)),
                                kContextFieldMax);
  dialog.set_text(kContext, proposed_context_);
}

void TopicDialog::more_options(ui::Dialog& dialog) {
  std::string tags = build_tags_, macro = entry_macro_, window = window_;
  TopicMoreDialog more(state_, tags, macro, window);
  if (ui::host().run_modal(core::authoring_module(), "DLG_TOPIC_MORE", more, dialog.handle()) == 0) return;
  build_tags_ = tags;
  entry_macro_ = macro;
  window_ = window;
}

int RunTopicDialog(ProjectState& state, std::int32_t window, TopicTexts& texts) {
  TopicDialog dialog(state, texts);
  int result = ui::host().run_modal(core::authoring_module(), "DLG_INS_TOPIC", dialog, window);
  if (result == kTopicCancelled || result == kTopicRefused) return result;
  return texts.footnote.empty() ? kTopicAcceptedNoFootnote : kTopicAccepted;
}

TopicMoreDialog::TopicMoreDialog(const ProjectState& state, std::string& build_tags,
                                 std::string& entry_macro, std::string& window)
    : state_(state), build_tags_(build_tags), entry_macro_(entry_macro), window_(window) {}

void TopicMoreDialog::on_init(ui::Dialog& dialog) {
  dialog.set_text(kBuildTags, build_tags_);
  for (const std::string& tag : state_.data.build_tags) dialog.add_item(kProjectTags, tag);
  std::string_view macro = entry_macro_;
  if (!macro.empty() && macro.front() == '!') macro.remove_prefix(1);
  dialog.set_text(kEntryMacro, macro);
  dialog.add_item(kWindow, "");
  for (const WindowRecord& w : state_.data.windows) dialog.add_item(kWindow, w.name);
  int chosen = dialog.find_item(kWindow, window_);
  if (chosen > 0) dialog.set_selection(kWindow, chosen);
  dialog.set_text(kWindow, window_);
}

void TopicMoreDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kProjectTags && notify == ui::Notify::double_clicked) {
    int index = dialog.selection(kProjectTags);
    if (index < 0) return;
    std::string tags(text::trim(dialog.text(kBuildTags)));
    if (!tags.empty()) tags += ";";
    dialog.set_text(kBuildTags, tags + dialog.item_text(kProjectTags, index));
    return;
  }
  if (id == ui::kIdOk) {
    build_tags_ = std::string(text::trim(dialog.text(kBuildTags)));
    // Kept whole: a long macro is split into footnote parts, never cut.
    std::string macro(text::trim(dialog.text(kEntryMacro)));
    if (!macro.empty() && macro.front() == '!') macro.erase(0, 1);
    entry_macro_ = macro.empty() ? macro : "!" + macro;
    window_ = std::string(text::trim(dialog.text(kWindow)));
    dialog.end(1);
    return;
  }
  ui::DialogProc::on_command(dialog, id, notify);
}

}  // namespace project
