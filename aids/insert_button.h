// The in-text button and ShortCut commands: "DLG_INS_BUTTON" and the Macro
// Editor in ShortCut mode.
#pragma once
#include <cstdint>
#include <string>

#include "platform/ui/dialog.h"
#include "resources/trvwck32/macros.h"

namespace project {
struct ProjectState;
}

namespace aids {

inline constexpr std::string_view kNeedsWin95Text =
    "This feature is available only if you are using the Windows 95 help compiler or the Windows 95 "
    "Emulation DLL.";
// "You must enter a value for the %s" (the hotspot commands' message).
inline constexpr std::string_view kEnterValueText = "You must enter a value for the %s";

class InsertButtonDialog : public ui::DialogProc {
 public:
  static constexpr int kText = IDC_INS_BUTTON_TEXT;
  static constexpr int kContext = IDC_INS_BUTTON_CONTEXT;
  static constexpr int kWindow = IDC_INS_BUTTON_WINDOW;
  static constexpr int kJump = IDC_INS_BUTTON_JUMP;  // then pop-up, macro, keyword jump
  static constexpr int kEditMacro = IDC_INS_BUTTON_EDIT_MACRO;
  static constexpr int kOtherFile = IDC_INS_BUTTON_OTHER_FILE;
  static constexpr int kFile = IDC_INS_BUTTON_FILE;

  InsertButtonDialog(project::ProjectState& state, std::string text, std::string existing);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

  int kind() const { return kind_; }
  const std::string& text() const { return text_; }
  const std::string& target() const { return target_; }
  const std::string& macro() const { return macro_; }

 private:
  void show_kind(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);

  project::ProjectState& state_;
  std::string text_, target_, macro_;
  int kind_ = 2;
};

struct InsertButtonResult {
  std::string field;      // the field text for the document
  std::string text;       // the button text (" " when blank; "" without pictures)
  std::string test_flag;  // "1" or "0"
};

// InsertButton: 2 jump, 3 pop-up, 4 macro, 0 cancelled or refused.
int InsertButton(project::ProjectState& state, std::int32_t window, std::string_view document,
                 std::string_view text, std::string_view existing, InsertButtonResult& out);

// InsertShortcut: 4 with the hotspot macro in macro, 0 otherwise; picture
// receives the ShortCut picture's path.
int InsertShortcut(project::ProjectState& state, std::int32_t window, std::string_view document,
                   std::string& macro, std::string& picture);

}  // namespace aids
