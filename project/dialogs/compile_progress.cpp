#include "project/dialogs/compile_progress.h"

#include <memory>

#include "project/project_state.h"
#include "core/messages.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/ui/host.h"

namespace project {
namespace {

constexpr int kProjectText = 92;

class CompileProgress : public ui::DialogProc {
 public:
  CompileProgress(ProjectState& state, int process_id) : state_(state), process_id_(process_id) {}

  void on_init(ui::Dialog& dialog) override {
    dialog.set_text(kProjectText, platform::file_name_of(state_.project_path));
    dialog.set_timer(kCompileTimerId, kCompilePollMilliseconds);
  }

  // The first tick only arms the window: a compiler just started may not be
  // visible as running yet.
  void on_timer(ui::Dialog& dialog, int timer_id) override {
    if (timer_id != kCompileTimerId) return;
    if (!armed_) {
      armed_ = true;
      return;
    }
    if (platform::process_running(process_id_)) return;
    if (state_.settings.compile_beep) platform::message_beep(0);
    close(dialog);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    if (id == kCompileHideButton || id == ui::kIdCancel) close(dialog);
  }

 private:
  // The handle is cleared only while it is still this window's: a newer
  // compile may have opened a window of its own meanwhile.
  void close(ui::Dialog& dialog) {
    dialog.kill_timer(kCompileTimerId);
    if (state_.compile_window == dialog.handle()) state_.compile_window = 0;
    dialog.end(0);
  }

  ProjectState& state_;
  int process_id_;
  bool armed_ = false;
};

}  // namespace

std::int32_t OpenCompileProgress(ProjectState& state, int process_id) {
  auto proc = std::make_unique<CompileProgress>(state, process_id);
  state.compile_window =
      ui::host().create_modeless(core::authoring_module(), "DLG_COMPILE", std::move(proc), state.owner_window);
  return state.compile_window;
}

}  // namespace project
