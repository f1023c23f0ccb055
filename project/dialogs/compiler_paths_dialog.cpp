#include "project/dialogs/compiler_paths_dialog.h"

#include <array>
#include <string>

#include "project/project_state.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace project {
namespace {

// One program of the dialog: its field, its key, and the name an empty
// value reads back as (none for the graphics editors).
struct PathField {
  int field;
  std::string_view key;
  std::string core::CompilerPaths::*value;
  std::string_view empty_name;
};

constexpr std::array<PathField, 6> kFields{{
    {kPathsHelpWorkshopField, "hcw", &core::CompilerPaths::hcw, "hcw.exe"},
    {kPathsHcpField, "hcp", &core::CompilerPaths::hcp, "hcp.exe"},
    {kPathsHc30Field, "hc30", &core::CompilerPaths::hc30, "hc.exe"},
    {kPathsBitmapEditorField, "bmp", &core::CompilerPaths::bmp, ""},
    {kPathsMetafileEditorField, "wmf", &core::CompilerPaths::wmf, ""},
    {kPathsHotspotEditorField, "shed", &core::CompilerPaths::shed, "shed.exe"},
}};

class CompilerPathsDialog : public ui::DialogProc {
 public:
  explicit CompilerPathsDialog(ProjectState& state) : state_(state) {}

  void on_init(ui::Dialog& dialog) override {
    for (const auto& f : kFields) dialog.set_text(f.field, state_.settings.compilers.*f.value);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    if (id == ui::kIdOk) {
      save(dialog);
      dialog.end(1);
    } else if (id == ui::kIdCancel) {
      dialog.end(0);
    } else {
      for (const auto& f : kFields) {
        if (id == f.field + kPathsBrowseOffset) browse(dialog, f.field);
      }
    }
  }

 private:
  void browse(ui::Dialog& dialog, int field) {
    ui::FileDialogRequest request;
    request.filter = "*.exe";
    request.initial_file = dialog.text(field);
    if (auto chosen = ui::host().file_dialog(dialog.handle(), request)) dialog.set_text(field, *chosen);
  }

  void save(ui::Dialog& dialog) {
    for (const auto& f : kFields) {
      std::string value = text::cut(text::trim(dialog.text(f.field)), core::kCompilerPathMax - 1);
      platform::write_profile_string(core::kCompilersSection, f.key, value, core::kSettingsFile);
      state_.settings.compilers.*f.value = value.empty() ? std::string(f.empty_name) : value;
    }
  }

  ProjectState& state_;
};

}  // namespace

int EditCompilerPaths(ProjectState& state, std::int32_t window) {
  CompilerPathsDialog dialog(state);
  return ui::host().run_modal(core::authoring_module(), "DLG_SET_PATHS", dialog,
                              core::dialog_owner(state, window));
}

}  // namespace project
