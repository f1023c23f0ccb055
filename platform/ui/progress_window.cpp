#include "platform/ui/progress_window.h"

#include <algorithm>
#include <cstdint>

#include "platform/ui/host.h"

namespace ui {

namespace {

class ProgressProc : public DialogProc {
 public:
  ProgressProc(std::string_view caption, int meter_id, int range)
      : caption_(caption), meter_id_(meter_id), range_(range) {}
  void on_init(Dialog& dialog) override {
    if (!caption_.empty()) dialog.set_caption(caption_);
    dialog.set_progress(meter_id_, 0, range_);
  }
  // The window has no buttons; it goes only when the work removes it.
  void on_command(Dialog&, int, Notify) override {}

 private:
  std::string caption_;
  int meter_id_;
  int range_;
};

}  // namespace

ProgressWindow::ProgressWindow(const ProgressTemplate& from, std::string_view caption, int range)
    : meter_id_(from.meter_id), range_(std::max(range, 1)) {
  Host& h = host();
  window_ = h.create_modeless(from.module, from.name,
                              std::make_unique<ProgressProc>(caption, meter_id_, range_),
                              h.main_window());
}

ProgressWindow::~ProgressWindow() {
  Host& h = host();
  if (window_ != 0 && h.is_window(window_)) h.destroy_window(window_);
}

void ProgressWindow::step() { set_position(position_ + 1); }

void ProgressWindow::set_position(int position) {
  position_ = std::clamp(position, 0, range_);
  show();
}

void ProgressWindow::show() {
  if (window_ == 0) return;
  if (Dialog* dialog = host().find_dialog(window_)) dialog->set_progress(meter_id_, position_, range_);
}

void ProgressCounter::reset(int maximum) {
  maximum_ = std::max(maximum, 1);
  count_ = 0;
  window_.reset();  // the next step opens it again with the new maximum
}

std::int32_t ProgressCounter::advance(std::int32_t step) {
  if (step < 0) {
    window_.reset();
  } else if (step == 0) {
    count_ = 0;
    if (window_) window_->set_position(0);
  } else {
    count_ = count_ + 1 >= maximum_ ? 0 : count_ + 1;
    if (!window_) window_ = std::make_unique<ProgressWindow>(template_, "", maximum_);
    window_->set_position(count_);
  }
  // The caller counts its own steps with the answer; it cannot overflow.
  return step == INT32_MAX ? step : step + 1;
}

}  // namespace ui
