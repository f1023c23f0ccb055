#include "project/compile/help_workshop.h"

#include "core/messages.h"
#include "platform/foreign_windows.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"
#include "project/project_state.h"

namespace project {

bool HelpWorkshop::start(ProjectState& state) {
  const std::string command =
      text::format("%s %s", state.settings.compilers.hcw.c_str(), state.project_path.c_str());
  const platform::StartResult started = platform::start_program(command, platform::kShowNormal);
  if (started.code < 32) {
    core::show_message(state, core::resource_string(kHelpWorkshopMissingText), ui::kMbOk | ui::kMbIconStop);
    return false;
  }
  process_ = started.process_id;
  started_ = true;
  return true;
}

// Help Workshop's main window is titled with the project file's name.
void HelpWorkshop::show_window_definitions(const ProjectState& state) const {
  const std::string title =
      text::format("Microsoft Help Workshop - [%s]", std::string(platform::file_name_of(state.project_path)).c_str());
  platform::send_to_foreign_window(title, kShowWindowDefinitions);
}

bool HelpWorkshop::running() const { return process_ != 0 && platform::process_running(process_); }

}  // namespace project
