// ViewErrors: the compiler message viewer "DLG_ERRORS". It lists the help
// compiler's log, explains messages through the product help and leads the
// word processor to the topic a message is about.
#pragma once
#include <cstdint>
#include <string>

#include "resources/trvwck32/compile.h"

namespace project {
struct ProjectState;
}

namespace project {

// Controls of "DLG_ERRORS".
inline constexpr int kErrorsProjectText = IDC_ERRORS_PROJECT_TEXT;
inline constexpr int kErrorsGoToButton = IDC_ERRORS_GO_TO_BUTTON;
inline constexpr int kErrorsHelpOnErrorButton = IDC_ERRORS_HELP_ON_ERROR_BUTTON;
inline constexpr int kErrorsList = IDC_ERRORS_LIST;
inline constexpr int kErrorsAutoHelpCheck = IDC_ERRORS_AUTO_HELP_CHECK;
inline constexpr int kErrorsCloseButton = IDC_ERRORS_CLOSE_BUTTON;
inline constexpr int kErrorsRunHelpButton = IDC_ERRORS_RUN_HELP_BUTTON;
inline constexpr int kErrorsHelpButton = IDC_ERRORS_HELP_BUTTON;

// What "Go to Problem Topic" hands the caller.
struct ProblemTopic {
  std::string topic_file;  // the topic's document (".doc"), lower case
  std::string position;    // the topic's number within it
  std::string message;     // the compiler's text
};

// Shows the viewer over window. 1 when the user chose a message with a topic
// location (problem is filled and the position stack emptied), else 0; with
// the Windows 3.0 compiler the command is refused and 0 returned.
int ViewErrors(ProjectState& state, std::int32_t window, ProblemTopic& problem);

}  // namespace project
