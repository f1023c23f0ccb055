// The jump and pop-up dialog ("DLG_INS_JUMP" "Insert Jump", "DLG_INS_DEF"
// "Insert Pop-up Definition"): the author picks the target topic by context
// string or title, optionally in another help file or a secondary window,
// with a custom appearance, and says which occurrences of the selected text
// become hotspots.
#pragma once
#include <string>

#include "platform/ui/dialog.h"

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

class JumpDialog : public ui::DialogProc {
 public:
  static constexpr int kClickText = 101;
  static constexpr int kContext = 102;
  static constexpr int kAllOccurrences = 111;
  static constexpr int kSelectedOnly = 110;
  static constexpr int kPromptEach = 112;
  static constexpr int kMatchCase = 113;
  static constexpr int kWindow = 137;
  static constexpr int kEditWindows = 138;
  static constexpr int kFindContext = 189;
  static constexpr int kRelatedProjects = 295;
  static constexpr int kUnderline = 509;
  static constexpr int kCustomColour = 510;
  static constexpr int kOtherFile = 511;
  static constexpr int kFileName = 513;
  static constexpr int kTitleContext = 514;
  static constexpr int kUseAsDefault = 525;
  static constexpr int kColour = 550;
  static constexpr int kTitleList = 601;
  static constexpr int kByContext = 635;
  static constexpr int kByTitle = 636;
  static constexpr int kHelp = 998;

  JumpDialog(AidsState& state, JumpRequest& request) : state_(state), request_(request) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void fill_lists(ui::Dialog& dialog);
  void show_target(ui::Dialog& dialog);
  void show_custom(ui::Dialog& dialog);
  void show_mode(ui::Dialog& dialog, bool titles);
  void title_chosen(ui::Dialog& dialog);
  bool accept(ui::Dialog& dialog);
  bool refuse(ui::Dialog& dialog, const std::string& text, int focus);
  std::string typed_context(const ui::Dialog& dialog) const;

  AidsState& state_;
  JumpRequest& request_;
  bool had_target_ = false;
  bool had_click_text_ = false;
  bool titles_loaded_ = false;
};

// Runs the dialog; the scope code after OK (request filled), 0 on Cancel.
int RunJumpDialog(AidsState& state, std::int32_t window, JumpRequest& request);

}  // namespace aids
