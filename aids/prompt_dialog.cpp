#include "aids/prompt_dialog.h"

#include "aids/aids_state.h"
#include "core/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/trvwck32/jumps.h"

namespace aids {
namespace {

constexpr int kQuestion = IDC_PROMPT_QUESTION;
constexpr int kOccurrence = IDC_PROMPT_OCCURRENCE;
constexpr int kMsgQuestion = 10003;  // "Make this occurrance into a %s?"
constexpr int kFirstKindName = 10000;

class PromptDialog : public ui::DialogProc {
 public:
  PromptDialog(std::string question, std::string_view occurrence) : question_(std::move(question)), occurrence_(occurrence) {}
  void on_init(ui::Dialog& dialog) override {
    dialog.set_text(kQuestion, question_);
    dialog.set_text(kOccurrence, occurrence_);
  }
  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    if (id == ui::kIdYes || id == ui::kIdOk) dialog.end(1);
    else if (id == ui::kIdNo) dialog.end(2);
    else if (id == ui::kIdCancel) dialog.end(0);
  }

 private:
  std::string question_;
  std::string occurrence_;
};

}  // namespace

std::string PromptQuestion(int kind) {
  if (kind < kPromptJump || kind > kPromptMacro) return {};
  const std::string name = core::resource_string(kFirstKindName + kind - 1);
  return text::format(core::resource_string(kMsgQuestion).c_str(), name.c_str());
}

int PromptCommand(AidsState& state, std::int32_t window, int kind, std::string_view occurrence) {
  std::string question = PromptQuestion(kind);
  if (question.empty()) return 0;
  PromptDialog dialog(std::move(question), text::trim(occurrence));
  return ui::host().run_modal(core::authoring_module(), "DLG_PROMPT", dialog, core::dialog_owner(state, window));
}

}  // namespace aids
