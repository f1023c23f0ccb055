// The jump and pop-up dialog ("DLG_INS_JUMP" "Insert Jump", "DLG_INS_DEF"
// "Insert Pop-up Definition"): the author picks the target topic by context
// string or title, optionally in another help file or a secondary window,
// with a custom appearance, and says which occurrences of the selected text
// become hotspots.
#pragma once
#include <string>

#include "aids/related_dialogs.h"
#include "aids/target_fields.h"
#include "platform/ui/dialog.h"
#include "project/compile/help_workshop.h"
#include "resources/trvwck32/jumps.h"

namespace aids {
struct AidsState;
}

namespace aids {

// What the dialog starts from and, after OK, what it returns.
struct JumpRequest {
  bool jump = true;        // false: a pop-up (no secondary window)
  std::string click_text;  // the selection; after OK possibly derived from the target
  std::string target;      // an existing hotspot's target, or empty; after OK the new one
  int colour = 0;          // the colour of the hotspot being edited (no target given)
  std::string format;      // after OK: test-button flag and colour index
  int scope = 0;           // after OK: the scope code
};

class JumpDialog : public ui::DialogProc, public RelatedProjectsOwner {
 public:
  static constexpr int kClickText = IDC_JUMP_CLICK_TEXT;
  static constexpr int kContext = IDC_JUMP_CONTEXT;
  static constexpr int kAllOccurrences = IDC_JUMP_ALL_OCCURRENCES;
  static constexpr int kSelectedOnly = IDC_JUMP_SELECTED_ONLY;
  static constexpr int kPromptEach = IDC_JUMP_PROMPT_EACH;
  static constexpr int kMatchCase = IDC_JUMP_MATCH_CASE;
  static constexpr int kWindow = IDC_JUMP_WINDOW;
  static constexpr int kEditWindows = IDC_JUMP_EDIT_WINDOWS;
  static constexpr int kFindContext = IDC_JUMP_FIND_CONTEXT;
  static constexpr int kRelatedProjects = IDC_JUMP_RELATED_PROJECTS;
  static constexpr int kUnderline = IDC_JUMP_UNDERLINE;
  static constexpr int kCustomColour = IDC_JUMP_CUSTOM_COLOUR;
  static constexpr int kOtherFile = IDC_JUMP_OTHER_FILE;
  static constexpr int kFileName = IDC_JUMP_FILE_NAME;
  static constexpr int kTitleContext = IDC_JUMP_TITLE_CONTEXT;
  static constexpr int kUseAsDefault = IDC_JUMP_USE_AS_DEFAULT;
  static constexpr int kColour = IDC_JUMP_COLOUR;
  static constexpr int kTitleList = IDC_JUMP_TITLE_LIST;
  static constexpr int kByContext = IDC_JUMP_BY_CONTEXT;
  static constexpr int kByTitle = IDC_JUMP_BY_TITLE;
  static constexpr int kHelp = IDC_JUMP_HELP;

  JumpDialog(AidsState& state, JumpRequest& request)
      : state_(state),
        request_(request),
        fields_(state, {kContext, kTitleList, kTitleContext, kByTitle, kOtherFile, kFileName, kWindow}) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  void on_close(ui::Dialog& dialog) override;

  // What the related-projects list asks of the dialog.
  void load_targets(std::string_view project_path) override;
  bool other_file() const override;
  void clear_other_file() override;
  void set_unlisted(bool on) override;
  bool cancelled() const override { return cancelled_; }

  // Help Workshop as the window "Edit..." button started it (Windows 95 projects).
  const project::HelpWorkshop& help_workshop() const { return workshop_; }

 private:
  void fill_lists(ui::Dialog& dialog);
  void edit_windows(ui::Dialog& dialog);
  bool refused_while_help_workshop_runs();
  void reread_windows(ui::Dialog& dialog);
  void open_related(ui::Dialog& dialog);
  ui::Dialog* shown() const;
  void show_target(ui::Dialog& dialog);
  void show_custom(ui::Dialog& dialog);
  void title_chosen(ui::Dialog& dialog);
  bool accept(ui::Dialog& dialog);

  AidsState& state_;
  JumpRequest& request_;
  TargetFields fields_;
  bool had_target_ = false;
  bool had_click_text_ = false;
  bool cancelled_ = false;
  ui::Handle handle_ = 0;
  project::HelpWorkshop workshop_;
  bool windows_reread_ = false;
};

// Runs the dialog; the scope code after OK (request filled), 0 on Cancel.
int RunJumpDialog(AidsState& state, std::int32_t window, JumpRequest& request);

}  // namespace aids
