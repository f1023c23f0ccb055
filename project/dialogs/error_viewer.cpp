#include "project/dialogs/error_viewer.h"

#include <optional>
#include <vector>

#include "core/help_commands.h"
#include "project/project_state.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/paths.h"
#include "platform/ui/host.h"
#include "project/compile/compiler_log.h"
#include "project/compile/error_help.h"
#include "project/compile/log_paths.h"
#include "formats/help_contexts.h"

namespace project {
namespace {

// "This command is available only while using the Windows 3.1 Help Compilers."
constexpr int kWin31OnlyText = 11501;
// "This error is located in your help project file. ..."
constexpr int kInProjectFileText = 11502;
// "This is a general help compiler message and is not related to ..."
constexpr int kGeneralMessageText = 11503;
// "Compilation completed. Compiler messages are shown below:"
constexpr int kCompletedCaption = 11504;
constexpr int kViewerHelpContext = help_contexts::kErrorViewer;

}  // namespace

void ErrorViewer::on_init(ui::Dialog& dialog) {
  if (core::read_setting_int("didc", 0) != 0) {
    dialog.set_caption(core::resource_string(kCompletedCaption));
    core::write_setting("didc", "0");
  }
  dialog.set_text(kErrorsProjectText, platform::to_host_path(state_.project_path));
  dialog.set_check(kErrorsAutoHelpCheck, core::read_setting_int("AutoErrorHelp", 1) != 0 ? 1 : 0);
  fill_list(dialog);
}

void ErrorViewer::fill_list(ui::Dialog& dialog) {
  const std::vector<std::string> lines =
      read_log_lines(platform::replace_extension(state_.project_path, ".log"));
  const auto& visited = state_.visited_log_lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    bool seen = i < visited.size() && visited[i];
    const std::string mark(seen ? kVisitedMark : kPlainMark);
    items_.push_back(mark + lines[i]);
    dialog.add_item(kErrorsList, mark + shown_log_line(lines[i]));
  }
  if (int context = severe_help_context(lines); context != 0) {
    dialog.show(kErrorsRunHelpButton, false);
    ShowErrorWindow(state_, dialog.handle(), context);
  }
}

void ErrorViewer::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case ui::kIdOk:
    case kErrorsGoToButton:
      go_to_problem(dialog);
      break;
    case kErrorsHelpOnErrorButton:
      help_on_selected(dialog);
      break;
    case kErrorsRunHelpButton:
      run_help_ = true;
      close(dialog, 0);
      break;
    case ui::kIdCancel:
    case kErrorsCloseButton:
      close(dialog, 0);
      break;
    case kErrorsHelpButton:
      core::ProductHelpContext(state_, dialog.handle(), kViewerHelpContext);
      break;
    default:
      break;
  }
}

std::optional<std::size_t> ErrorViewer::selected_message(const ui::Dialog& dialog) const {
  if (items_.empty()) return std::nullopt;
  int caret = dialog.selection(kErrorsList);
  std::size_t index = message_line_index(items_, caret < 0 ? 0 : static_cast<std::size_t>(caret));
  if (index >= items_.size() || !is_message_line(items_[index])) return std::nullopt;
  return index;
}

void ErrorViewer::go_to_problem(ui::Dialog& dialog) {
  std::optional<std::size_t> index = selected_message(dialog);
  if (!index) return;
  ProblemLocation location = problem_location(items_, *index, help_workshop());
  if (!location.found) {
    ShowErrorHelp(state_, dialog.handle(), items_[*index]);
    bool in_project = items_[*index].find(".hpj") != std::string::npos;
    core::show_message(state_, core::resource_string(in_project ? kInProjectFileText : kGeneralMessageText),
                       ui::kMbOk | ui::kMbIconInformation);
    return;
  }
  if (*index < state_.visited_log_lines.size()) state_.visited_log_lines[*index] = true;
  if (dialog.check(kErrorsAutoHelpCheck)) ShowErrorHelp(state_, dialog.handle(), items_[*index]);
  problem_ = ProblemTopic{location.topic_file, location.position, location.message};
  close(dialog, 1);
}

void ErrorViewer::help_on_selected(ui::Dialog& dialog) {
  if (std::optional<std::size_t> index = selected_message(dialog)) {
    ShowErrorHelp(state_, dialog.handle(), items_[*index]);
  }
}

bool ErrorViewer::help_workshop() const { return state_.win95_compiler != 0; }

void ErrorViewer::close(ui::Dialog& dialog, int result) {
  core::write_setting("AutoErrorHelp", dialog.check(kErrorsAutoHelpCheck) ? "1" : "0");
  dialog.end(result);
}

int ViewErrors(ProjectState& state, std::int32_t window, ProblemTopic& problem) {
  if (state.compiler_kind == 2) {
    core::show_message(state, core::resource_string(kWin31OnlyText), ui::kMbOk | ui::kMbIconExclamation);
    return 0;
  }
  if (state.visited_log_lines.size() != kVisitedLineSlots) {
    state.visited_log_lines.assign(kVisitedLineSlots, false);
  }
  std::int32_t owner = core::dialog_owner(state, window);
  ErrorViewer viewer(state);
  int result = ui::host().run_modal(core::authoring_module(), "DLG_ERRORS", viewer, owner);
  if (viewer.run_help_requested()) core::RunHelp(state, owner);
  if (result != 1) return 0;
  problem = viewer.problem();
  state.position_stack.clear();
  return 1;
}

}  // namespace project
