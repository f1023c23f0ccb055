// "DLG_COMPILER": where the HTML Help compiler is.
#include "formats/profile_key_names.h"
#include "html/driver/conversion_run.h"
#include "html/driver/messages.h"
#include "html/finishing/dialogs/location_dialogs.h"
#include "html/finishing/location_checks.h"
#include "platform/files.h"
#include "platform/path_field.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "platform/winhelp.h"
#include "resources/twzhtml/finishing.h"

namespace html {

void CompilerDialog::on_init(ui::Dialog& dialog) {
  const std::string& stored = run_.settings.library.locations.compiler;
  dialog.set_text(IDC_COMPILER_PATH_FIELD, platform::file_exists(stored) ? platform::shown_in_field(stored) : "");
}

void CompilerDialog::on_command(ui::Dialog& dialog, int id, ui::Notify) {
  if (id == ui::kIdOk) {
    ok(dialog);
  } else if (id == ui::kIdCancel) {
    dialog.end(0);
  } else if (id == IDC_COMPILER_SELECT_BUTTON) {
    ui::FileDialogRequest request;
    request.filter = "*.exe";
    request.initial_file = dialog.text(IDC_COMPILER_PATH_FIELD);
    if (auto chosen = ui::host().file_dialog(dialog.handle(), request))
      dialog.set_text(IDC_COMPILER_PATH_FIELD, *chosen);
  } else if (id == IDC_COMPILER_HELP_BUTTON) {
    platform::win_help(dialog.handle(), run_.settings.library.locations.help_file, platform::kHelpContext,
                       kCompilerDialogTopic);
  }
}

void CompilerDialog::ok(ui::Dialog& dialog) {
  const std::string path =
      platform::stored_from_field(dialog.text(IDC_COMPILER_PATH_FIELD), run_.settings.library.locations.compiler);
  if (path.empty()) {
    show_message(resource_string(kStrSelectCompiler));
    dialog.set_focus(IDC_COMPILER_PATH_FIELD);
    return;
  }
  run_.settings.library.locations.compiler = path;
  platform::write_profile_string(profile_keys::kLocationsSection, profile_keys::kCompiler, path,
                                 run_.settings.files.library);
  dialog.end(1);
}

int edit_compiler_location(ConversionRun& run, std::int32_t window) {
  CompilerDialog dialog(run);
  return ui::host().run_modal(conversion_module(), "DLG_COMPILER", dialog, window);
}

}  // namespace html
