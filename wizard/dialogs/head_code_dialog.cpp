#include "wizard/dialogs/head_code_dialog.h"

#include "html/driver/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "platform/winhelp.h"
#include "resources/twzhtml/wizard.h"
#include "wizard/head_code.h"
#include "formats/help_contexts.h"

namespace wizard {
namespace {

constexpr int kHelpTopic = help_contexts::kHeadCode;
constexpr int kExamplesTopic = help_contexts::kHeadCodeExamples;

class HeadCodeDialog : public ui::DialogProc {
 public:
  explicit HeadCodeDialog(ConversionState& state) : state_(state) {}

  void on_init(ui::Dialog& dialog) override {
    dialog.set_text(IDC_HEADCODE_TEXT, read_head_code(state_.location.project_file));
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    if (id == ui::kIdCancel) dialog.end(0);
    if (id == IDC_HEADCODE_HELP) help(dialog, kHelpTopic);
    if (id == IDC_HEADCODE_EXAMPLES) help(dialog, kExamplesTopic);
    if (id != ui::kIdOk) return;
    const std::string code = dialog.text(IDC_HEADCODE_TEXT);
    const bool written = write_head_code(state_.location.project_file, code);
    state_.project.settings.headcode = written && !text::trim(code).empty() ? 1 : 0;
    dialog.end(1);
  }

 private:
  void help(ui::Dialog& dialog, int topic) {
    const std::string& file = state_.library.locations.help_file;
    if (!file.empty()) platform::win_help(dialog.handle(), file, platform::kHelpContext, topic);
  }

  ConversionState& state_;
};

}  // namespace

int edit_head_code_file(ConversionState& state, std::int32_t owner) {
  HeadCodeDialog proc(state);
  return ui::host().run_modal(html::conversion_module(), "DLG_HEADCODE", proc, owner);
}

}  // namespace wizard
