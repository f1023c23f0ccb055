// ViewErrors: the compiler message viewer "DLG_ERRORS". It lists the help
// compiler's log, explains messages through the product help and leads the
// word processor to the topic a message is about.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
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

// The viewer's dialog procedure.
class ErrorViewer : public ui::DialogProc {
 public:
  explicit ErrorViewer(ProjectState& state) : state_(state) {}

  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

  const ProblemTopic& problem() const { return problem_; }
  bool run_help_requested() const { return run_help_; }

 private:
  void fill_list(ui::Dialog& dialog);
  void go_to_problem(ui::Dialog& dialog);
  void help_on_selected(ui::Dialog& dialog);
  // The list line at the caret, resolved to the line its message starts on.
  std::optional<std::size_t> selected_message(const ui::Dialog& dialog) const;
  void close(ui::Dialog& dialog, int result);
  bool help_workshop() const;

  ProjectState& state_;
  // The log's lines behind their marks, as the compiler wrote them (the list
  // shows them with host paths; the problem topic is found in these).
  std::vector<std::string> items_;
  ProblemTopic problem_;
  bool run_help_ = false;
};

// Shows the viewer over window. 1 when the user chose a message with a topic
// location (problem is filled and the position stack emptied), else 0; with
// the Windows 3.0 compiler the command is refused and 0 returned.
int ViewErrors(ProjectState& state, std::int32_t window, ProblemTopic& problem);

}  // namespace project
