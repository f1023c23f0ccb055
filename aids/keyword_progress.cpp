#include "aids/keyword_progress.h"

#include <memory>

#include "platform/text.h"
#include "platform/ui/host.h"

namespace aids {
namespace {

// The window only shows the count; it has nothing to act on.
class ProgressProc : public ui::DialogProc {
 public:
  void on_command(ui::Dialog&, int, ui::Notify) override {}
};

}  // namespace

ScanProgress::ScanProgress(std::int32_t module, std::string_view template_name, std::int32_t owner) {
  window_ = ui::host().create_modeless(module, template_name, std::make_unique<ProgressProc>(), owner);
  show();
}

ScanProgress::~ScanProgress() {
  if (window_ != 0 && ui::host().is_window(window_)) ui::host().destroy_window(window_);
}

void ScanProgress::advance() {
  ++count_;
  show();
}

void ScanProgress::show() {
  if (ui::Dialog* dialog = window_ != 0 ? ui::host().find_dialog(window_) : nullptr)
    dialog->set_text(kProgressText, text::format("Scanning Topic: %d", count_));
}

}  // namespace aids
