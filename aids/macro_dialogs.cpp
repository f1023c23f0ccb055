// The dialogs the Macro Editor opens, and the commands that run it.
#include "aids/macro_editor.h"
#include "core/help_commands.h"
#include "project/project_state.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/winhelp.h"
#include "platform/ui/host.h"
#include "project/files/project_update.h"

namespace aids {

namespace {

constexpr std::string_view kSelectApplicationText = "You must select an application to run.";
constexpr std::string_view kShortcutBitsKey = "SC Bits";

}  // namespace

TestMacrosDialog::TestMacrosDialog(project::ProjectState& state, std::string help_file,
                                   std::vector<std::string> macros, bool viewer)
    : state_(state), help_file_(std::move(help_file)), macros_(std::move(macros)), viewer_(viewer) {}

void TestMacrosDialog::on_init(ui::Dialog& dialog) {
  for (const std::string& m : macros_) dialog.add_item(kList, m);
  if (!macros_.empty()) dialog.set_selection(kList, 0);
  if (!viewer_) platform::win_help(dialog.handle(), help_file_, platform::kHelpContents, 0);
}

void TestMacrosDialog::send(ui::Dialog& dialog, int index) {
  if (viewer_ || index < 0 || index >= static_cast<int>(macros_.size())) return;
  platform::win_help_text(dialog.handle(), help_file_, platform::kHelpCommand, macros_[index]);
}

void TestMacrosDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  const int count = static_cast<int>(macros_.size());
  const int selected = dialog.selection(kList);
  switch (id) {
    case kRun:
      for (int i = std::max(selected, 0); i < count; ++i) send(dialog, i);
      if (count > 0) dialog.set_selection(kList, 0);
      return;
    case kStep:
      if (count == 0) return;
      send(dialog, std::max(selected, 0));
      dialog.set_selection(kList, selected + 1 >= count ? 0 : selected + 1);
      return;
    case kHelpButton:
      core::ProductHelpContext(state_, dialog.handle(), kTestMacrosHelp);
      return;
    case ui::kIdCancel:
    case ui::kIdOk:
      if (!viewer_) platform::win_help(dialog.handle(), help_file_, platform::kHelpQuit, 0);
      dialog.end(0);
      return;
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

void ShortcutDialog::on_init(ui::Dialog& dialog) {
  const bool bits32 = core::read_setting_int(kShortcutBitsKey, 0) != 0;
  dialog.set_check(kBits16, bits32 ? 0 : 1);
  dialog.set_check(kBits32, bits32 ? 1 : 0);
}

void ShortcutDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kSelect) {
    ui::FileDialogRequest request;
    request.filter = "*.exe";
    if (auto program = ui::host().file_dialog(dialog.handle(), request)) dialog.set_text(kProgram, *program);
    return;
  }
  if (id == kHelpButton) {
    core::ProductHelpContext(state_, dialog.handle(), kShortcutHelp);
    return;
  }
  if (id == ui::kIdOk) return accept(dialog);
  ui::DialogProc::on_command(dialog, id, notify);
}

// The ShortCut program is started without waiting; whether it started is
// not the author's concern here.
void ShortcutDialog::accept(ui::Dialog& dialog) {
  const std::string program(text::trim(dialog.text(kProgram)));
  if (program.empty()) {
    core::show_message(state_, kSelectApplicationText, ui::kMbOk | ui::kMbIconExclamation);
    return;
  }
  std::string folder = state_.settings.main_directory;
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  const bool bits32 = dialog.check(kBits32) == 1;
  platform::start_program(
      text::format(bits32 ? "%stwsc32.exe %s" : "%stwsc16.exe %s", folder.c_str(), program.c_str()),
      platform::kShowNormal);
  core::write_setting(kShortcutBitsKey, bits32 ? "1" : "0");
  dialog.end(1);
}

int EditMacros(project::ProjectState& state, std::int32_t window, MacroMode mode, std::string& macros) {
  MacroEditor editor(state, mode, macros);
  const int result =
      ui::host().run_modal(core::authoring_module(), "DLG_MACROS", editor, core::dialog_owner(state, window));
  if (result != 1) return 0;
  macros = editor.result();
  return 1;
}

int EditStartupMacros(project::ProjectState& state, std::int32_t window) {
  if (!state.project_set || state.project_path.empty()) return 0;
  const project::ProjectFileModel before = state.data.project;
  std::string macros = before.config_macros;
  if (EditMacros(state, window, MacroMode::startup, macros) != 1) return 0;
  if (macros == before.config_macros) return 1;  // nothing to write
  state.data.project.config_macros = macros;
  project::StoreProjectOptions(state, before);
  return 1;
}

}  // namespace aids
