// The topic dialog's OK: the checks in their order, each refusing with its
// message and the focus on the field to mend, then the topic stored and the
// texts returned.
#include <cstdlib>

#include "project/project_state.h"
#include "core/messages.h"
#include "platform/text.h"
#include "project/topics/browse_numbers.h"
#include "project/files/context_rules.h"
#include "project/dialogs/topic_dialog/topic_dialog.h"

namespace project {
namespace {

constexpr std::string_view kMissingMainKeyword = "Missing main keyword.";
constexpr int kMsgDiscardKeyword = 10006;
constexpr int kMsgNoContext = 10007;
constexpr int kMsgKeywordsNeedTitle = 10008;
constexpr int kMsgBrowseExample = 10009;
constexpr int kMsgBrowseFormat = 10010;
constexpr int kMsgContextUsed = 10012;
constexpr int kMsgContextClash = 10013;

// A context number as typed: optional minus and digits; false otherwise.
bool read_number(std::string_view s, long& value) {
  s = text::trim(s);
  size_t digits = !s.empty() && s.front() == '-' ? 1 : 0;
  if (s.size() == digits || s.size() > 10) return false;
  for (size_t i = digits; i < s.size(); ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  value = std::strtol(std::string(s).c_str(), nullptr, 10);
  return true;
}

}  // namespace

bool TopicDialog::refuse(ui::Dialog& dialog, std::string_view message, int focus) {
  core::show_message(state_, message, ui::kMbOk | ui::kMbIconStop);
  dialog.set_focus(focus);
  return false;
}

bool TopicDialog::accept(ui::Dialog& dialog) {
  const std::string name(text::trim(text::cut(dialog.text(kContext), kContextFieldMax)));
  const std::string title(text::trim(text::cut(dialog.text(kTitle), kTitleMax)));
  long number = kNoNumber;
  if (!main_keyword_first(dialog) || !context_acceptable(dialog, name) || !keyword_line_dropped(dialog))
    return false;
  if (name.empty()) return refuse(dialog, core::resource_string(kMsgNoContext), kContext);
  bool has_keywords = dialog.item_count(kKList) > 0 || dialog.item_count(kAList) > 0;
  if (has_keywords && title.empty()) return refuse(dialog, core::resource_string(kMsgKeywordsNeedTitle), kTitle);
  if (!browse_text_acceptable(dialog) || !number_acceptable(dialog, number)) return false;

  const bool popup = dialog.check(kPopupOnly) == 1;
  texts_.title = title;
  texts_.context = name;
  texts_.browse = popup ? std::string() : std::string(text::trim(text::cut(dialog.text(kBrowseText), kBrowseTextMax)));
  texts_.k_keywords = popup ? std::string() : k_keywords(dialog);
  texts_.a_keywords = a_keywords(dialog);
  texts_.footnote = entry_macro_footnote(entry_macro_);
  texts_.build_tags = build_tags_;
  texts_.window = window_;
  dialog.end(store(dialog, name, number));
  return true;
}

bool TopicDialog::main_keyword_first(ui::Dialog& dialog) {
  if (dialog.item_count(kKList) == 0 || dialog.item_text(kKList, 0).front() != '\t') return true;
  show_keyword_tab(dialog, 0);
  dialog.set_selection(kKList, 0);
  return refuse(dialog, kMissingMainKeyword, kKList);
}

bool TopicDialog::context_acceptable(ui::Dialog& dialog, const std::string& name) {
  if (name.empty()) return true;  // refused later, after the keyword line
  const TopicTable& table = state_.data.topics;
  if (!valid_context_chars(name)) return refuse(dialog, kBadContextText, kContext);
  if (context_in_use(table, name, editing_) >= 0)
    return refuse(dialog, core::resource_string(kMsgContextUsed), kContext);
  const int length = unique_prefix_length(state_.word_version);
  if (prefix_clash(table, name, length, editing_) >= 0) {
    std::string warning = text::format(core::resource_string(kMsgContextClash).c_str(), length);
    if (core::show_message(state_, warning, ui::kMbOkCancel | ui::kMbIconExclamation) != ui::kIdOk) {
      dialog.set_focus(kContext);
      return false;
    }
  }
  return true;
}

bool TopicDialog::keyword_line_dropped(ui::Dialog& dialog) {
  if (text::trim(dialog.text(kKeywordLine)).empty()) return true;
  if (core::show_message(state_, core::resource_string(kMsgDiscardKeyword),
                         ui::kMbOkCancel | ui::kMbIconQuestion) == ui::kIdOk)
    return true;
  dialog.set_focus(kKeywordLine);
  return false;
}

bool TopicDialog::browse_text_acceptable(ui::Dialog& dialog) {
  const std::string browse(text::trim(text::cut(dialog.text(kBrowseText), kBrowseTextMax)));
  if (browse.empty() || dialog.check(kPopupOnly) == 1) return true;
  std::string sequence;
  std::int32_t number = 0;
  if (parse_browse_text(browse, sequence, number)) return true;
  const int width = state_.data.topics.browse_width;
  std::string example = text::format(core::resource_string(kMsgBrowseExample).c_str(), width, 0L);
  std::string message = core::resource_string(kMsgBrowseFormat);
  size_t slot = message.find("%s");
  if (slot != std::string::npos) message.replace(slot, 2, example);
  return refuse(dialog, message, kBrowseText);
}

bool TopicDialog::number_acceptable(ui::Dialog& dialog, long& number) {
  if (!read_number(dialog.text(kNumber), number) || !valid_context_number(number))
    return refuse(dialog, kNumberRangeText, kNumber);
  if (number != kNoNumber && state_.data.topics.number_in_use(static_cast<std::int32_t>(number), editing_))
    return refuse(dialog, core::resource_string(kNumberUsedText), kNumber);
  return true;
}

// Adds or updates the topic; a topic placed in no sequence loses the one it
// had. Returns the dialog's result.
int TopicDialog::store(ui::Dialog& dialog, const std::string& name, long number) {
  TopicTable& table = state_.data.topics;
  // An edited topic keeps its entry under its new name.
  if (editing_ >= 0) table[editing_].context = stored_context(name);
  int topic = AddOrUpdateTopic(table, {name, texts_.browse, state_.current_file, false});
  if (topic < 0) {
    if (table.count() >= kMaxTopics)
      core::show_message(state_, topic_table_full_text(name), ui::kMbOk | ui::kMbIconStop);
    return kTopicRefused;
  }
  if (texts_.browse.empty()) {
    table[topic].browse_sequence = kNoSequence;
    table[topic].browse_number = 0;
  }
  table[topic].number = static_cast<std::int32_t>(number);
  if (number != kNoNumber) table.raise_next_number(static_cast<std::int32_t>(number));
  state_.data_dirty = true;
  return kTopicAccepted;
}

}  // namespace project
