// The topic dialog's two topic lists and the browse position proposed from
// the topic chosen in them.
#include "project/project_state.h"
#include "project/topics/browse_numbers.h"
#include "project/dialogs/topic_dialog/topic_dialog.h"
#include "project/topics/topic_lists.h"

namespace project {
namespace {

std::vector<int> fill(ui::Dialog& dialog, int id, const std::vector<TopicLine>& lines) {
  dialog.clear_items(id);
  for (const TopicLine& line : lines) {
    int index = dialog.add_item(id, line.text);
    dialog.set_item_data(id, index, line.topic);
  }
  return topic_order(lines);
}

int position_of(const std::vector<int>& order, int topic) {
  for (size_t i = 0; i < order.size(); ++i)
    if (order[i] == topic) return static_cast<int>(i);
  return -1;
}

}  // namespace

void TopicDialog::fill_topic_lists(ui::Dialog& dialog) {
  const TopicTable& table = state_.data.topics;
  browse_order_ = fill(dialog, kBrowseList, topics_by_browse(table));
  context_order_ = fill(dialog, kContextList, topics_by_context(table));
  dialog.set_check(kShowBrowse, 1);
  dialog.set_check(kShowContext, 0);
  show_topic_list(dialog, true);
}

// One list is shown at a time; the chosen topic stays chosen in both.
void TopicDialog::show_topic_list(ui::Dialog& dialog, bool by_browse) {
  dialog.show(kBrowseList, by_browse);
  dialog.show(kContextList, !by_browse);
  dialog.set_selection(kBrowseList, position_of(browse_order_, chosen_topic_));
  dialog.set_selection(kContextList, position_of(context_order_, chosen_topic_));
}

void TopicDialog::topic_chosen(ui::Dialog& dialog, int list) {
  int index = dialog.selection(list);
  const std::vector<int>& order = list == kBrowseList ? browse_order_ : context_order_;
  chosen_topic_ = index >= 0 && index < static_cast<int>(order.size()) ? order[static_cast<size_t>(index)] : -1;
  int other = list == kBrowseList ? kContextList : kBrowseList;
  dialog.set_selection(other, position_of(other == kBrowseList ? browse_order_ : context_order_, chosen_topic_));
  propose_browse_text(dialog);
}

// The proposal is made from the chosen topic's line in the browse-ordered list.
void TopicDialog::propose_browse_text(ui::Dialog& dialog) {
  int position = position_of(browse_order_, chosen_topic_);
  if (position < 0) return;
  Placement placement = dialog.check(kBefore) == 1 ? Placement::before : Placement::after;
  dialog.set_text(kBrowseText, project::propose_browse_text(state_.data.topics, browse_order_, position, placement,
                                                            zero_browse_proposals(state_.data)));
}

}  // namespace project
