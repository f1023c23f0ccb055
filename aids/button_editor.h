// The Button Editor ("DLG_BUTTONS") for the help window's button bar and
// "DLG_NEW_BUTTON" for a button's caption, id and states.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "aids/button_macros.h"
#include "platform/ui/dialog.h"
#include "resources/trvwck32/macros.h"

namespace project {
struct ProjectState;
}

namespace aids {

inline constexpr int kNoButtonNameText = 10065;
inline constexpr int kNoButtonIdText = 10066;
inline constexpr int kButtonIdUsedText = 10067;
inline constexpr int kNoButtonActionText = 10068;
inline constexpr int kNoTargetText = 10069;
inline constexpr int kStandardButtonText = 10070;
inline constexpr int kButtonSlots = 18;

// What a button does, as the editor shows it.
enum class ButtonAction { standard, jump, popup, macro };

struct ButtonTarget {
  ButtonAction action = ButtonAction::standard;
  std::string context, help_file, window;
  std::string macro;  // ButtonAction::macro
};

// The action of a button macro: JI/JumpId a jump, PI/PopupId a pop-up
// (file and window from the first argument, "file>window"), "" the
// standard action, anything else a macro.
ButtonTarget read_button_action(std::string_view macro);
// The macro of an action; a window without a help file takes the
// project's help file.
std::string button_action_macro(const ButtonTarget& target, std::string_view project_help_file);

// "DLG_NEW_BUTTON": fills or edits one record; ids in use are refused.
class NewButtonDialog : public ui::DialogProc {
 public:
  static constexpr int kCaption = IDC_NEW_BUTTON_CAPTION;
  static constexpr int kId = IDC_NEW_BUTTON_ID;
  static constexpr int kVisibleFirst = IDC_NEW_BUTTON_VISIBLE_FIRST;  // always, usually visible, usually hidden
  static constexpr int kEnabledFirst = IDC_NEW_BUTTON_ENABLED_FIRST;  // always, usually enabled, usually dimmed
  static constexpr int kSameAction = IDC_NEW_BUTTON_SAME_ACTION;
  static constexpr int kTopicAction = IDC_NEW_BUTTON_TOPIC_ACTION;

  NewButtonDialog(project::ProjectState& state, project::Button& button, std::vector<std::string> used_ids);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  project::ProjectState& state_;
  project::Button& button_;
  std::vector<std::string> used_ids_;
};

class ButtonEditor : public ui::DialogProc {
 public:
  static constexpr int kFirstSlot = IDC_BUTTONS_FIRST_SLOT;
  static constexpr int kAddButton = IDC_BUTTONS_ADD_BUTTON;
  static constexpr int kDeleteButton = IDC_BUTTONS_DELETE_BUTTON;
  static constexpr int kEditButton = IDC_BUTTONS_EDIT_BUTTON;
  static constexpr int kBrowseButtons = IDC_BUTTONS_BROWSE_BUTTONS;
  static constexpr int kHelpFile = IDC_BUTTONS_HELP_FILE;
  static constexpr int kContext = IDC_BUTTONS_CONTEXT;
  static constexpr int kStandardAction = IDC_BUTTONS_STANDARD_ACTION;
  static constexpr int kJumpAction = IDC_BUTTONS_JUMP_ACTION;
  static constexpr int kPopupAction = IDC_BUTTONS_POPUP_ACTION;
  static constexpr int kMacroAction = IDC_BUTTONS_MACRO_ACTION;
  static constexpr int kEditMacro = IDC_BUTTONS_EDIT_MACRO;
  static constexpr int kTopicVisible = IDC_BUTTONS_TOPIC_VISIBLE;
  static constexpr int kTopicEnabled = IDC_BUTTONS_TOPIC_ENABLED;
  static constexpr int kWindow = IDC_BUTTONS_WINDOW;
  static constexpr int kWorkshopNote = IDC_BUTTONS_WORKSHOP_NOTE;
  static constexpr int kHelpButton = IDC_BUTTONS_HELP_BUTTON;

  // Topic mode edits one topic's entry macros; project mode the start-up
  // macros and the default entry macros of new topics.
  ButtonEditor(project::ProjectState& state, bool topic_mode, std::string startup, std::string entry);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

  const std::vector<project::Button>& buttons() const { return buttons_; }
  const ButtonMacroResult& result() const { return result_; }
  bool browse_buttons() const { return browse_; }

 private:
  void show_slots(ui::Dialog& dialog);
  void select(ui::Dialog& dialog, int index);
  bool store_current(ui::Dialog& dialog);
  void show_action(ui::Dialog& dialog, ButtonAction action);
  void add(ui::Dialog& dialog);
  void remove(ui::Dialog& dialog);
  void edit(ui::Dialog& dialog);
  void edit_macro(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);
  bool editable(int index) const;
  std::vector<std::string> ids() const;

  project::ProjectState& state_;
  bool topic_mode_;
  std::string startup_, entry_;
  std::vector<project::Button> buttons_;
  std::vector<TopicButtonState> topic_;
  std::vector<std::string> macros_;  // the action macro being edited, per button
  int current_ = -1;
  bool browse_ = false;
  ButtonMacroResult result_;
};

// The project's button bar (the project dialog's "WinHelp &Button Bar..."):
// after OK the buttons, the browse-buttons flag and the start-up macros are
// the project's, the default entry macros go to the option file, and a
// Windows 3.x project file is rewritten. 1 after OK, else 0.
int EditButtonBar(project::ProjectState& state, std::int32_t window);

// The default entry macros of new topics, kept in the project's option file.
std::string default_entry_macros(const project::ProjectState& state);

}  // namespace aids
