// Topics created without the dialog (GetTopic with window -10): the
// document wizard names them from their titles and numbers their browse
// positions from a counter it keeps.
#include "project/project_state.h"
#include "core/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/files/context_rules.h"
#include "project/topics/context_strings.h"
#include "project/dialogs/topic_dialog/get_topic.h"

namespace project {
namespace {

// A clashing generated context string is cut to this length before a
// counter is appended.
constexpr size_t kCountedContextStem = 18;

std::string context_for_title(const ProjectState& state, std::string_view title) {
  const TopicTable& table = state.data.topics;
  if (text::iequals(title, kContentsTitle)) return text::to_lower(table.prefix + std::string(kContentsTitle));
  return ContextFromTitle(table, title, unique_prefix_length(state.word_version));
}

// The context string made free by a counter, when it is taken already.
std::string free_context(const TopicTable& table, std::string name) {
  if (context_in_use(table, name) < 0) return name;
  const std::string stem = text::cut(name, kCountedContextStem);
  for (int n = 1; n <= table.count() + 1; ++n) {
    name = stem + std::to_string(n);
    if (context_in_use(table, name) < 0) break;
  }
  return name;
}

// The counter text holds the last browse number used ("%hd"); the new one
// follows it by the increment, or is 0 to start with.
void number_browse_text(const TopicTable& table, TopicTexts& texts) {
  std::string_view counter = text::trim(texts.counter);
  long last = counter.empty() || (counter[0] != '-' && (counter[0] < '0' || counter[0] > '9'))
                  ? -1
                  : static_cast<std::int16_t>(text::parse_int(counter));
  const long number = last < 0 ? 0 : last + table.browse_increment;
  std::string_view sequence = texts.browse;
  sequence = text::trim(sequence.substr(0, sequence.find(':')));
  texts.browse = text::format("%s:%0*ld", std::string(sequence).c_str(), table.browse_width, number);
  texts.counter = text::format("%ld", number);
}

}  // namespace

int CreateTopicWithoutDialog(ProjectState& state, TopicTexts& texts) {
  if (texts.title.empty()) {
    texts.context.clear();
    return kTopicCancelled;
  }
  TopicTable& table = state.data.topics;
  std::string name = texts.context.empty() ? context_for_title(state, texts.title) : texts.context;
  if (state.options.jut) texts.k_keywords = texts.title;
  if (!texts.browse.empty()) number_browse_text(table, texts);
  name = free_context(table, name);
  if (AddOrUpdateTopic(table, {name, texts.browse, state.current_file}) < 0) {
    if (table.count() >= kMaxTopics)
      core::show_message(state, topic_table_full_text(name), ui::kMbOk | ui::kMbIconStop);
    return kTopicRefused;
  }
  state.data_dirty = true;
  texts.context = name;
  texts.footnote = entry_macro_footnote(texts.footnote);
  return texts.footnote.empty() ? kTopicAcceptedNoFootnote : kTopicAccepted;
}

}  // namespace project
