#include "aids/wizard_answers.h"

#include "core/messages.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "resources/trvwck32/macros.h"

namespace aids {

namespace {

constexpr int kKeyListRoom = 1 << 16;

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace

void reset_answers(WizardAnswers& answers) { answers.values.clear(); }

bool load_answers(WizardAnswers& answers, std::string_view path) {
  if (path.empty() || !platform::file_exists(path)) return false;
  reset_answers(answers);
  std::string keys;
  platform::get_profile_string(std::string_view(kWizardSection), std::nullopt, "", keys, kKeyListRoom, path);
  size_t start = 0;
  while (start < keys.size() && keys[start] != '\0') {
    size_t end = keys.find('\0', start);
    if (end == std::string::npos) end = keys.size();
    const std::string key = keys.substr(start, end - start);
    answers.values[upper(key)] =
        platform::get_profile_string(kWizardSection, key, "", kWizardAnswerMax, path);
    start = end + 1;
  }
  return true;
}

std::string answer(const WizardAnswers& answers, std::string_view key) {
  auto it = answers.values.find(upper(text::trim(key)));
  return it == answers.values.end() ? std::string() : it->second;
}

ui::ProgressTemplate wizard_progress_template() {
  return {core::authoring_module(), "DLG_WIZ_PROGRESS", IDC_WIZ_PROGRESS_METER};
}

}  // namespace aids
