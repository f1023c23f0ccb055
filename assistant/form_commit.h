// Storing what the entry form holds (the Add/Update command and its
// relatives): a new entry is appended, a changed one replaced, after the
// required-field and uniqueness checks.
#pragma once
#include <optional>

#include "assistant/entry_rules.h"
#include "assistant/model.h"

namespace assistant {

enum class CommitOutcome {
  refused,    // a check failed; refusal says why
  blank,      // a new-entry form with nothing typed: nothing to store
  unchanged,  // the existing entry already holds these values
  added,
  replaced,
};

struct CommitResult {
  CommitOutcome outcome = CommitOutcome::blank;
  int index = -1;  // the entry stored or left unchanged
  std::optional<Refusal> refusal;
};

// Commits the form's values for the entry at position `current` (count()
// for a new one).
CommitResult commit_form(Model& model, const FormValues& values, int current);

// True when a new-entry form holds nothing the author typed (the preset
// context integer does not count).
bool form_blank(const FormValues& values);

}  // namespace assistant
