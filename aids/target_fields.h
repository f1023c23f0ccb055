// The target-topic controls the jump dialog and the Insert Graphic dialog
// share: the context strings or titles of this or a related project, the
// secondary window and an unlisted help file, and the check on OK. Each
// dialog names its own control ids.
#pragma once
#include <string>
#include <string_view>

#include "aids/jump_target.h"
#include "platform/ui/dialog.h"

namespace aids {

struct AidsState;

struct TargetFieldIds {
  int context;        // combo of context strings
  int title_list;     // the titles of the keyword database
  int title_context;  // the context string of the chosen title
  int by_title;       // radio button: the target chosen by title
  int other_file;     // check box: a topic of an unlisted help file
  int file_name;      // that help file
  int window;         // combo of windows (jumps only)
};

// How the check on OK came out.
enum class TargetCheck { accepted, refused, unknown_window };

class TargetFields {
 public:
  TargetFields(AidsState& state, TargetFieldIds ids) : state_(state), ids_(ids) {}

  void fill_contexts(ui::Dialog& dialog) const;
  void fill_windows(ui::Dialog& dialog) const;
  // Shows the title list (loaded once per project) or the context combo.
  void show_mode(ui::Dialog& dialog, bool titles);
  // The lists show the chosen project's topics; what was typed for the old
  // project no longer applies.
  void load_targets(ui::Dialog& dialog, std::string_view project_path);
  // The context string of the title entry chosen, "" when none is.
  std::string chosen_title_context(ui::Dialog& dialog) const;
  // The context string typed or chosen by title, trimmed.
  std::string typed_context(const ui::Dialog& dialog) const;
  // Checks target.context and fills in the window (jumps only) and the help
  // file of a related project or unlisted file. A refusal has been shown
  // with the focus on its field; an unknown window is left to the dialog,
  // which opens its window editor.
  TargetCheck check(ui::Dialog& dialog, bool jump, JumpTarget& target) const;
  // Shows text in a stop box and puts the focus on the field; false.
  bool refuse(ui::Dialog& dialog, const std::string& text, int focus) const;

  // The project whose topics the lists show; empty for the current one.
  const std::string& targets_project() const { return targets_project_; }

 private:
  AidsState& state_;
  TargetFieldIds ids_;
  bool titles_loaded_ = false;
  std::string targets_project_;
};

}  // namespace aids
