#include "aids/convert_dialogs.h"

#include <algorithm>

#include "aids/aids_state.h"
#include "core/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/trvwck32/jumps.h"

namespace aids {
namespace {

constexpr int kFirstChoice = IDC_CNV_TO_DOC_FIRST_CHOICE;
// Hotspot formatting, hidden targets and the help footnotes go; page breaks
// and pictures stay, help-only text goes.
constexpr std::string_view kStandardChoices = "111111111100100";

constexpr int kLocalFile = IDC_LOCAL_FILE;
constexpr int kEveryFile = IDC_LOCAL_EVERY_FILE;
constexpr int kMsgNoHelpFile = 10017;  // "Specify a help file."

class ConvertDialog : public ui::DialogProc {
 public:
  explicit ConvertDialog(std::string& choices) : choices_(choices) {}
  void on_init(ui::Dialog& dialog) override {
    for (int i = 0; i < kConvertChoices; ++i) dialog.set_check(kFirstChoice + i, choices_[static_cast<size_t>(i)] == '1');
  }
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
    for (int i = 0; i < kConvertChoices; ++i)
      choices_[static_cast<size_t>(i)] = dialog.check(kFirstChoice + i) == 1 ? '1' : '0';
    dialog.end(1);
  }

 private:
  std::string& choices_;
};

class LocalizeDialog : public ui::DialogProc {
 public:
  LocalizeDialog(const AidsState& state, std::string& file) : state_(state), file_(file) {}
  void on_init(ui::Dialog& dialog) override {
    const bool every = file_ == "*";
    dialog.set_check(kEveryFile, every ? 1 : 0);
    dialog.set_text(kLocalFile, every ? "" : file_);
    dialog.enable(kLocalFile, !every);
  }
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == kEveryFile) return dialog.enable(kLocalFile, dialog.check(kEveryFile) != 1);
    if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
    if (dialog.check(kEveryFile) == 1) {
      file_.assign(1, '*');
      return dialog.end(1);
    }
    std::string name(text::trim(dialog.text(kLocalFile)));
    if (name.empty()) {
      core::show_message(state_, core::resource_string(kMsgNoHelpFile), ui::kMbOk | ui::kMbIconStop);
      return dialog.set_focus(kLocalFile);
    }
    file_ = name;
    dialog.end(1);
  }

 private:
  const AidsState& state_;
  std::string& file_;
};

}  // namespace

std::string ConvertStartChoices(std::string_view given) {
  given = text::trim(given);
  const bool digits = given.size() == kConvertChoices &&
                      std::all_of(given.begin(), given.end(), [](char c) { return c == '0' || c == '1'; });
  return std::string(digits ? given : kStandardChoices);
}

int ConvertCommand(AidsState& state, std::int32_t window, std::string& choices) {
  std::string chosen = ConvertStartChoices(choices);
  ConvertDialog dialog(chosen);
  if (ui::host().run_modal(core::authoring_module(), "DLG_CNV_TO_DOC", dialog, core::dialog_owner(state, window)) != 1)
    return 0;
  choices = chosen;
  return 1;
}

int LocalizeLinksCommand(AidsState& state, std::int32_t window, std::string& file) {
  std::string chosen(text::trim(file));
  LocalizeDialog dialog(state, chosen);
  if (ui::host().run_modal(core::authoring_module(), "DLG_LOCAL", dialog, core::dialog_owner(state, window)) != 1)
    return 0;
  file = chosen;
  return 1;
}

}  // namespace aids
