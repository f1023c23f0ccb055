// ViewErrors: the compiler message viewer "DLG_ERRORS". It lists the help
// compiler's log, explains messages through the product help and leads the
// word processor to the topic a message is about.
#pragma once
#include <cstdint>
#include <string>

namespace project {
struct ProjectState;
}

namespace project {

// Controls of "DLG_ERRORS".
inline constexpr int kErrorsProjectText = 101;
inline constexpr int kErrorsGoToButton = 107;
inline constexpr int kErrorsHelpOnErrorButton = 106;
inline constexpr int kErrorsList = 150;
inline constexpr int kErrorsAutoHelpCheck = 155;
inline constexpr int kErrorsCloseButton = 760;
inline constexpr int kErrorsRunHelpButton = 840;
inline constexpr int kErrorsHelpButton = 998;

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
