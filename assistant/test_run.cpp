#include "assistant/test_run.h"

#include "assistant/messages.h"
#include "assistant/outputs.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "platform/winhelp.h"

namespace assistant {

TestPaths test_paths(const Settings& settings) {
  const std::string& dir = settings.main_directory;
  return {platform::join_path(dir, "pta_test.tst"), platform::join_path(dir, "pta_test.rtf"),
          platform::join_path(dir, "pta_test.h"), platform::join_path(dir, "pta_test.hlp")};
}

bool TestRun::start_compile(Model& model, const Settings& settings, std::int32_t window) {
  TestPaths paths = test_paths(settings);
  platform::create_directories(settings.main_directory);
  write_outputs(model, paths.rtf);
  platform::write_file(paths.project, test_project_text(paths.rtf, paths.header),
                       platform::Durability::unflushed);
  // Quoted only where a blank would split them.
  std::string command = text::format("%s /c/e %s", platform::quote_argument(settings.compiler).c_str(),
                                     platform::quote_argument(paths.project).c_str());
  platform::StartResult started =
      platform::start_program(command, platform::kShowNormal, settings.main_directory);
  if (started.code < 32) {
    show_message(window, kCompilerMissingText, ui::kMbOk | ui::kMbIconStop);
    return false;
  }
  compiling_ = true;
  process_ = started.process_id;
  model.test_stale = false;
  return true;
}

TimerChange TestRun::step(Model& model, const Settings& settings, std::int32_t window) {
  TimerChange change = TimerChange::none;
  if (model.count() > 0 && !compiling_ && model.test_stale) {
    if (!start_compile(model, settings, window)) return TimerChange::none;
    change = TimerChange::start;
  }
  if (compiling_) {
    // Help Workshop's window stands for the compiler process here.
    if (process_ != 0 && platform::process_running(process_)) return change;
    compiling_ = false;
    process_ = 0;
    change = TimerChange::stop;
  }
  show_popup(settings, window);
  return change;
}

void TestRun::show_popup(const Settings& settings, std::int32_t window) {
  if (!context_) return;
  platform::win_help(window, test_paths(settings).help, kHelpContextPopup,
                     static_cast<std::uint32_t>(*context_));
}

}  // namespace assistant
