#include "assistant/form_commit.h"

#include "platform/text.h"

namespace assistant {

bool form_blank(const FormValues& v) {
  return text::trim(v.dialog).empty() && text::trim(v.control).empty() && text::trim(v.topic_id).empty() &&
         v.popup.empty();
}

CommitResult commit_form(Model& model, const FormValues& values, int current) {
  CommitResult result;
  bool is_new = current < 0 || current >= model.count();
  // A form cleared for the next entry is skipped, so that Save, Generate
  // RTF and Test work right after an entry was added.
  if (is_new && form_blank(values)) return result;
  if (auto refusal = check_required(values, model.mode)) {
    result.outcome = CommitOutcome::refused;
    result.refusal = std::move(refusal);
    return result;
  }
  std::string entry = entry_of(values, model.mode);
  if (!is_new && entry == model.entry(current)) {
    result.outcome = CommitOutcome::unchanged;
    result.index = current;
    return result;
  }
  if (auto refusal = check_unique(model, entry, is_new ? -1 : current)) {
    result.outcome = CommitOutcome::refused;
    result.refusal = std::move(refusal);
    return result;
  }
  if (is_new) {
    model.append(entry);
    result.outcome = CommitOutcome::added;
    result.index = model.count() - 1;
  } else {
    model.replace(current, entry);
    result.outcome = CommitOutcome::replaced;
    result.index = current;
  }
  return result;
}

}  // namespace assistant
