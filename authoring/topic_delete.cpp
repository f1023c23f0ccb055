#include "authoring/topic_delete.h"

#include "aids/keyword_commands.h"
#include "authoring/library_state.h"
#include "core/messages.h"
#include "project/topics/project_document.h"
#include "platform/ui/host.h"
#include "project/topics/context_strings.h"
#include "project/topics/topic_lists.h"

namespace authoring {
namespace {

constexpr std::string_view kNothingSelected = "Select the topics to delete.";

// Removes the topic's entry and marks its records in both keyword databases
// as deleted (A first, then K).
void remove_topic(LibraryState& state, int topic) {
  const std::string context(state.data.topics[topic].name());
  project::RemoveTopicEntry(state.data.topics, topic);
  aids::UpdateTopicKeys(state, context, "", "", "", 7);
  aids::UpdateTopicKeys(state, context, "", "", "", 8);
}

}  // namespace

int DelTopic(LibraryState& state, std::string_view context) {
  int topic = project::FindTopic(state.data.topics, context);
  if (topic < 0) return 0;
  remove_topic(state, topic);
  state.data_dirty = true;
  return 1;
}

int DeleteItem(LibraryState& state, std::int32_t window, std::string_view document) {
  window = core::dialog_owner(state, window);
  if (!project::CheckProjectDocument(state, document)) return 0;
  DeleteDialog dialog(state);
  return ui::host().run_modal(core::authoring_module(), "DLG_DELETE", dialog, window) != 0 ? 1 : 0;
}

DeleteDialog::DeleteDialog(LibraryState& state) : state_(state) {}

void DeleteDialog::on_init(ui::Dialog& dialog) {
  for (const project::TopicLine& line : project::topics_by_context(state_.data.topics, state_.current_file))
    dialog.set_item_data(kTopics, dialog.add_item(kTopics, line.text), line.topic);
}

void DeleteDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  int removed = 0;
  for (int i = 0; i < dialog.item_count(kTopics); ++i) {
    if (!dialog.item_selected(kTopics, i)) continue;
    remove_topic(state_, dialog.item_data(kTopics, i));
    ++removed;
  }
  if (removed == 0) {
    core::show_message(state_, kNothingSelected, ui::kMbOk | ui::kMbIconInformation);
    dialog.set_focus(kTopics);
    return;
  }
  state_.data_dirty = true;
  dialog.end(1);
}

}  // namespace authoring
