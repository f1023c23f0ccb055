// The Button Editor ("DLG_BUTTONS") for the help window's button bar and
// "DLG_NEW_BUTTON" for a button's caption, id and states.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "aids/button_macros.h"
#include "platform/ui/dialog.h"

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
  static constexpr int kCaption = 101;
  static constexpr int kId = 102;
  static constexpr int kVisibleFirst = 110;  // always, usually visible, usually hidden
  static constexpr int kEnabledFirst = 120;  // always, usually enabled, usually dimmed
  static constexpr int kSameAction = 130;
  static constexpr int kTopicAction = 131;

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
  static constexpr int kFirstSlot = 201;
  static constexpr int kAddButton = 103;
  static constexpr int kDeleteButton = 104;
  static constexpr int kEditButton = 105;
  static constexpr int kBrowseButtons = 109;
  static constexpr int kHelpFile = 112;
  static constexpr int kContext = 114;
  static constexpr int kStandardAction = 120;
  static constexpr int kJumpAction = 121;
  static constexpr int kPopupAction = 122;
  static constexpr int kMacroAction = 123;
  static constexpr int kEditMacro = 124;
  static constexpr int kTopicVisible = 130;
  static constexpr int kTopicEnabled = 131;
  static constexpr int kWindow = 137;
  static constexpr int kWorkshopNote = 140;
  static constexpr int kHelpButton = 998;

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
