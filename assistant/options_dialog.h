// The Options dialog (1003): where topic IDs come from, and the include file
// for the third source.
#pragma once
#include "assistant/app.h"
#include "platform/ui/dialog.h"

namespace assistant {

inline constexpr std::string_view kNeedIncludeText = "You must specify an include (.h) file.";

class OptionsDialog : public ui::DialogProc {
 public:
  enum Control : int { kManual = 11, kVisualBasic = 12, kIncludeFile = 15, kIncludePath = 13, kBrowse = 14 };

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
