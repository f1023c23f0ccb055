// The button bar as help macros: the start-up macros and the entry macros
// (a project's defaults for new topics, or one topic's) made from the
// button records, and the records read back from such macros.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "project/files/project_data.h"

namespace aids {

// Button::states[kEnabledState]: how the button is enabled.
inline constexpr int kEnabledState = 0;
inline constexpr int kAlwaysEnabled = 0, kUsuallyEnabled = 1, kUsuallyDimmed = 2;
// Button::states[kVisibleState]: whether it shows.
inline constexpr int kVisibleState = 1;
inline constexpr int kAlwaysVisible = 0, kUsuallyVisible = 1, kUsuallyHidden = 2;
// Button::states[kDependsState]: 1 when its action depends on the topic.
inline constexpr int kDependsState = 2;

inline constexpr int kStandardButtons = 6;
// With the Windows 95 compiler Help Workshop owns the first four.
inline constexpr int kWorkshopButtons = 4;

bool is_standard_button(int index);

// One topic's own choices (topic mode), per button in button order.
struct TopicButtonState {
  bool visible = true;
  bool enabled = true;
  std::string macro;  // the topic's action when the action depends on it
};

struct ButtonMacroInput {
  std::vector<project::Button> buttons;
  bool win95 = false;
  bool topic_mode = false;
  std::vector<TopicButtonState> topic;  // topic mode: one per button
  std::string startup;                  // the macros as they were
  std::string entry;
};

struct ButtonMacroResult {
  std::string startup;
  std::string entry;
};

// Rebuilds both texts: the button macros in button order, then the kept
// macros of the old text that do not belong to a known button. A
// "BrowseButtons()" leaves the start-up macros (the project keeps it as a
// flag). No ";" ends either text.
ButtonMacroResult compose_button_macros(const ButtonMacroInput& input);

// True when the macro is one of the button macros of a button in the list
// (CB, CBB, DB, EB, DestroyButton in short or long names, and the IfThen
// and IfThenElse forms built on the button's mark).
bool is_button_macro(std::string_view macro, const std::vector<project::Button>& buttons);

// Reads the button states, captions and actions back from the start-up and
// entry macros into buttons; buttons the macros create are added.
void parse_button_macros(std::string_view startup, std::string_view entry,
                         std::vector<project::Button>& buttons);

}  // namespace aids
