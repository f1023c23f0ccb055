// The answers of the document wizard: the macros fill them in and read
// them back one by one. A file of answers is a profile file whose
// [Wizard] section holds one key per answer.
#pragma once
#include <map>
#include <string>
#include <string_view>

#include "platform/ui/progress_window.h"

namespace aids {

inline constexpr std::string_view kWizardSection = "Wizard";
// The longest answer kept (the profile reader's room).
inline constexpr int kWizardAnswerMax = 4096;

struct WizardAnswers {
  std::map<std::string, std::string> values;  // keys upper-cased
};

// Forgets every answer.
void reset_answers(WizardAnswers& answers);
// Reads the [Wizard] section of the file (a missing section gives no
// answers); false when the file does not exist.
bool load_answers(WizardAnswers& answers, std::string_view path);
// The answer for key (no case), "" when there is none.
std::string answer(const WizardAnswers& answers, std::string_view key);

// The authoring library's progress window.
ui::ProgressTemplate wizard_progress_template();

}  // namespace aids
