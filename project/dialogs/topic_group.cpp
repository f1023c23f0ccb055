#include "project/dialogs/topic_group.h"

#include "project/project_state.h"
#include "core/messages.h"
#include "project/topics/project_document.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/topics/browse_numbers.h"
#include "project/topics/topic_lists.h"

namespace project {
namespace {

constexpr int kMsgNoGroup = 10050;
constexpr int kMsgNoAction = 10051;
constexpr int kMsgBadStart = 10053;
constexpr int kMsgBadIncrement = 10054;
constexpr int kMsgNoName = 10055;
// Digits a start or increment may have: more could not be a browse number.
constexpr size_t kNumberDigitsMax = 9;

// A number typed as digits only; -1 when it is not.
long digits(std::string_view s) {
  s = text::trim(s);
  if (s.empty() || s.size() > kNumberDigitsMax) return -1;
  for (char c : s)
    if (c < '0' || c > '9') return -1;
  return text::parse_int(s);
}

}  // namespace

int EditGroup(ProjectState& state, std::int32_t window, std::string_view document, std::string& list,
              std::string& preference) {
  window = core::dialog_owner(state, window);
  if (!project::CheckProjectDocument(state, document)) return kGroupCancelled;
  preference.assign(1, state.data.project.browse_buttons ? '1' : '0');
  GroupDialog dialog(state);
  int result = ui::host().run_modal(core::authoring_module(), "DLG_GROUP", dialog, window);
  if (result != kGroupCancelled) list = dialog.list();
  return result;
}

int NextItem(ProjectState& state, std::string& context, std::string& browse) {
  TopicSession& session = state.topic_session;
  if (session.next_group_item >= session.group.size()) {
    session.group.clear();
    session.group.shrink_to_fit();
    session.next_group_item = 0;
    context.clear();
    browse.clear();
    return 0;
  }
  const GroupItem& item = session.group[session.next_group_item++];
  context = item.context;
  browse = item.browse;
  return 1;
}

GroupDialog::GroupDialog(ProjectState& state) : state_(state) {}

void GroupDialog::on_init(ui::Dialog& dialog) {
  dialog.set_check(kUnsorted, 1);
  fill_topics(dialog, kUnsorted);
  dialog.set_check(kNoList, 1);
  for (const std::string& name : state_.data.topics.sequences()) dialog.add_item(kSequence, name);
  dialog.set_text(kIncrement, text::format("%d", state_.data.topics.browse_increment));
}

void GroupDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case kUnsorted:
    case kByBrowse:
    case kByContext:
      fill_topics(dialog, id);
      return;
    case kTopics:
      if (notify == ui::Notify::double_clicked) add_selected(dialog);
      return;
    case kAdd:
      add_selected(dialog);
      return;
    case kRemove:
      if (int at = dialog.selection(kGroup); at >= 0) dialog.delete_item(kGroup, at);
      return;
    case kClear:
      dialog.clear_items(kGroup);
      return;
    case kMoveUp:
    case kMoveDown:
      move(dialog, id == kMoveUp ? -1 : 1);
      return;
    case ui::kIdOk:
      accept(dialog);
      return;
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

// The current document's topics, in table order, by browse position or by
// context string.
void GroupDialog::fill_topics(ui::Dialog& dialog, int order) {
  const TopicTable& table = state_.data.topics;
  const int file = state_.current_file;
  std::vector<TopicLine> lines = order == kByBrowse    ? topics_by_browse(table, file)
                                 : order == kByContext ? topics_by_context(table, file)
                                                       : topics_in_table_order(table, file);
  dialog.clear_items(kTopics);
  for (const TopicLine& line : lines) dialog.set_item_data(kTopics, dialog.add_item(kTopics, line.text), line.topic);
}

void GroupDialog::add_selected(ui::Dialog& dialog) {
  const TopicTable& table = state_.data.topics;
  for (int i = 0; i < dialog.item_count(kTopics); ++i) {
    if (!dialog.item_selected(kTopics, i)) continue;
    int topic = dialog.item_data(kTopics, i);
    std::string name(table[topic].name());
    if (dialog.find_item(kGroup, name) >= 0) continue;
    dialog.set_item_data(kGroup, dialog.add_item(kGroup, name), topic);
  }
}

void GroupDialog::move(ui::Dialog& dialog, int step) {
  int at = dialog.selection(kGroup);
  int to = at + step;
  if (at < 0 || to < 0 || to >= dialog.item_count(kGroup)) return;
  std::string name = dialog.item_text(kGroup, at);
  std::int32_t topic = dialog.item_data(kGroup, at);
  dialog.delete_item(kGroup, at);
  dialog.insert_item(kGroup, to, name);
  dialog.set_item_data(kGroup, to, topic);
  dialog.set_selection(kGroup, to);
}

bool GroupDialog::refuse(ui::Dialog& dialog, int message, int focus) {
  core::show_message(state_, core::resource_string(message), ui::kMbOk | ui::kMbIconStop);
  dialog.set_focus(focus);
  return false;
}

bool GroupDialog::accept(ui::Dialog& dialog) {
  if (dialog.item_count(kGroup) == 0) return refuse(dialog, kMsgNoGroup, kTopics);
  const bool number = dialog.check(kNumber) == 1;
  const bool jumps = dialog.check(kJumpList) == 1, popups = dialog.check(kPopupList) == 1;
  if (!number && !jumps && !popups) return refuse(dialog, kMsgNoAction, kJumpList);
  long start = 0, increment = 0;
  if (number) {
    start = digits(dialog.text(kStart));
    if (start < 0) return refuse(dialog, kMsgBadStart, kStart);
    increment = digits(dialog.text(kIncrement));
    if (increment < 0) return refuse(dialog, kMsgBadIncrement, kIncrement);
    if (text::trim(dialog.text(kSequence)).empty()) return refuse(dialog, kMsgNoName, kSequence);
  }
  list_ = jumps ? std::string(kListOfJumps) : popups ? std::string(kListOfPopups) : std::string();
  store(dialog, number ? start : -1, increment);
  dialog.end(number ? kGroupNumbered : kGroupDefined);
  return true;
}

// The group for NextItem; with a browse sequence (start 0 or more) the k-th
// item gets start + k * increment, in the table too.
void GroupDialog::store(ui::Dialog& dialog, long start, long increment) {
  TopicTable& table = state_.data.topics;
  const std::string sequence(text::trim(text::cut(dialog.text(kSequence), kSequenceNameMax)));
  TopicSession& session = state_.topic_session;
  session.group.clear();
  session.next_group_item = 0;
  for (int k = 0; k < dialog.item_count(kGroup); ++k) {
    const int topic = dialog.item_data(kGroup, k);
    GroupItem item{std::string(table[topic].name()), {}};
    if (start >= 0) {
      item.browse = format_browse_text(sequence, table.browse_width, static_cast<std::int32_t>(start + k * increment));
      AddOrUpdateTopic(table, {item.context, item.browse, table[topic].file, false});
      state_.data_dirty = true;
    }
    session.group.push_back(std::move(item));
  }
}

}  // namespace project
