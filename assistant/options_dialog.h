// The Options dialog (1003): where topic IDs come from, and the include file
// for the third source.
#pragma once
#include "assistant/app.h"
#include "platform/ui/dialog.h"
#include "resources/pointip.h"

namespace assistant {

inline constexpr std::string_view kNeedIncludeText = "You must specify an include (.h) file.";

class OptionsDialog : public ui::DialogProc {
 public:
  enum Control : int {
    kManual = IDC_OPTIONS_MANUAL,
    kVisualBasic = IDC_OPTIONS_VISUAL_BASIC,
    kIncludeFile = IDC_OPTIONS_INCLUDE_FILE,
    kIncludePath = IDC_OPTIONS_INCLUDE_PATH,
    kBrowse = IDC_OPTIONS_BROWSE,
  };

  explicit OptionsDialog(App& app) : app_(app) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  IdSource chosen(const ui::Dialog& dialog) const;
  App& app_;
};

// Runs the dialog; true when OK changed the options.
bool run_options(App& app);

}  // namespace assistant
