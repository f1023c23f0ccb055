#include "assistant/options_dialog.h"

#include "assistant/file_dialogs.h"
#include "assistant/messages.h"
#include "platform/path_field.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace assistant {

namespace {

constexpr int kSourceButtons[] = {OptionsDialog::kManual, OptionsDialog::kVisualBasic, OptionsDialog::kIncludeFile};

}  // namespace

void OptionsDialog::on_init(ui::Dialog& dialog) {
  dialog.set_check(kSourceButtons[static_cast<int>(app_.model.mode)], 1);
  dialog.set_text(kIncludePath, platform::shown_in_field(app_.model.include_file));
}

IdSource OptionsDialog::chosen(const ui::Dialog& dialog) const {
  if (dialog.check(kIncludeFile)) return IdSource::include_file;
  if (dialog.check(kVisualBasic)) return IdSource::visual_basic;
  return IdSource::manual;
}

void OptionsDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kBrowse) {
    std::string proposed = std::string(text::trim(dialog.text(kIncludePath)));
    if (auto path = choose_file(dialog.handle(), FileChoice::open_include, proposed.empty() ? "*.h" : proposed)) {
      dialog.set_text(kIncludePath, *path);
      for (int button : kSourceButtons) dialog.set_check(button, button == kIncludeFile);
    }
    return;
  }
  if (id != ui::kIdOk) return DialogProc::on_command(dialog, id, notify);
  IdSource mode = chosen(dialog);
  std::string path = platform::stored_from_field(dialog.text(kIncludePath), app_.model.include_file);
  if (mode == IdSource::include_file && path.empty()) {
    show_message(dialog.handle(), kNeedIncludeText, ui::kMbOk | ui::kMbIconStop);
    dialog.set_focus(kIncludePath);
    return;
  }
  app_.model.mode = mode;
  app_.model.include_file = mode == IdSource::include_file ? path : std::string();
  app_.model.changed = true;
  app_.model.test_stale = true;
  dialog.end(1);
}

bool run_options(App& app) {
  OptionsDialog proc(app);
  return ui::host().run_modal(pointip_module(), "1003", proc, app.panel) == 1;
}

}  // namespace assistant
