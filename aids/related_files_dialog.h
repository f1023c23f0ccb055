// The help files of the related projects, chosen several at a time
// ("DLG_WG_FILES"): the author moves help files from the list of the work
// group's help files to the list of chosen ones.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"

namespace project {
struct ProjectState;
}

namespace aids {

// Each related project's help file (its path with ".hlp"), once, without
// the current project's own.
std::vector<std::string> RelatedHelpFiles(const project::ProjectState& state);

class RelatedFilesDialog : public ui::DialogProc {
 public:
  explicit RelatedFilesDialog(project::ProjectState& state) : state_(state) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

  // After OK: the chosen help files joined by ";".
  const std::string& chosen() const { return chosen_; }

 private:
  void add(ui::Dialog& dialog);
  void remove(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);

  project::ProjectState& state_;
  std::string chosen_;
};

// Runs the dialog. 0 on Cancel; after OK the chosen files (joined by ";") in
// files and the choice the author made: 1 or 2 for the first or second
// radio button, 3 with the check box ticked.
int ChooseRelatedHelpFiles(project::ProjectState& state, std::int32_t window, std::string& files);

}  // namespace aids
