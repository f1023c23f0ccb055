#include "html/driver/progress_window.h"

#include <algorithm>
#include <string>

#include "html/driver/messages.h"
#include "platform/ui/host.h"

namespace html {

namespace {

class ProgressProc : public ui::DialogProc {
 public:
  ProgressProc(std::string_view caption, int range) : caption_(caption), range_(range) {}
  void on_init(ui::Dialog& dialog) override {
    dialog.set_caption(caption_);
    dialog.set_progress(kProgressMeterId, 0, range_);
  }
  // The window has no buttons; it goes only when the pass removes it.
  void on_command(ui::Dialog&, int, ui::Notify) override {}

 private:
  std::string caption_;
  int range_;
};

}  // namespace

ProgressWindow::ProgressWindow(std::string_view caption, int range) : range_(std::max(range, 1)) {
  ui::Host& host = ui::host();
  window_ =
      host.create_modeless(conversion_module(), kProgressTemplate,
                           std::make_unique<ProgressProc>(caption, range_), host.main_window());
}

ProgressWindow::~ProgressWindow() {
  ui::Host& host = ui::host();
  if (window_ != 0 && host.is_window(window_)) host.destroy_window(window_);
}

void ProgressWindow::step() {
  position_ = std::min(position_ + 1, range_);
  if (window_ == 0) return;
  if (ui::Dialog* dialog = ui::host().find_dialog(window_))
    dialog->set_progress(kProgressMeterId, position_, range_);
}

std::unique_ptr<ProgressWindow> show_progress_over(std::string_view caption, int steps,
                                                   int threshold) {
  if (steps <= threshold) return nullptr;
  return std::make_unique<ProgressWindow>(caption, steps);
}

}  // namespace html
