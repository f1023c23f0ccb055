#include "wizard/dialogs/head_code_dialog.h"

#include "html/driver/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/twzhtml/wizard.h"
#include "wizard/dialogs/help_topics.h"
#include "wizard/head_code.h"

namespace wizard {
namespace {

class HeadCodeDialog : public ui::DialogProc {
 public:
  explicit HeadCodeDialog(ConversionState& state) : state_(state) {}

  void on_init(ui::Dialog& dialog) override {
    dialog.set_text(IDC_HEADCODE_TEXT, read_head_code(state_.location.project_file));
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    if (id == ui::kIdCancel) dialog.end(0);
    if (id == IDC_HEADCODE_HELP) show_help_topic(state_.library, dialog.handle(), help_topic::kHeadCode);
    if (id == IDC_HEADCODE_EXAMPLES) {
      show_help_topic(state_.library, dialog.handle(), help_topic::kCssExamples);
    }
    if (id != ui::kIdOk) return;
    const std::string code = dialog.text(IDC_HEADCODE_TEXT);
    const bool written = write_head_code(state_.location.project_file, code);
    state_.project.settings.headcode = written && !text::trim(code).empty() ? 1 : 0;
    dialog.end(1);
  }

 private:
  ConversionState& state_;
};

}  // namespace

int edit_head_code_file(ConversionState& state, std::int32_t owner) {
  HeadCodeDialog proc(state);
  return ui::host().run_modal(html::conversion_module(), "DLG_HEADCODE", proc, owner);
}

}  // namespace wizard
