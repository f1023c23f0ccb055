#include "project/dialogs/report_dialogs.h"

#include <algorithm>

namespace project {

void ReportOptionsDialog::on_init(ui::Dialog& dialog) {
  dialog.set_check(kJumpsTo, 1);
  dialog.set_check(kJumpsFrom, 1);
  dialog.set_check(kActualOrder, 1);
}

void ReportOptionsDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  options_.jumps_to = dialog.check(kJumpsTo) == 1;
  options_.jumps_from = dialog.check(kJumpsFrom) == 1;
  options_.order = ReportOrder::actual;
  for (int order = 1; order <= 3; ++order) {
    if (dialog.check(kActualOrder + order) == 1) options_.order = static_cast<ReportOrder>(order);
  }
  dialog.end(1);
}

ReportProgressDialog::ReportProgressDialog(ReportJob& job, int range) : job_(job), range_(range) {}

void ReportProgressDialog::on_init(ui::Dialog& dialog) {
  dialog.set_progress(kMeter, 0, range_);
  dialog_ = &dialog;
  outcome_ = job_.run(*this);
  dialog_ = nullptr;
  dialog.end(outcome_ == ReportOutcome::written ? 1 : 0);
}

// While the job runs a Cancel only marks the job for stopping; the dialog
// ends when the job has stopped.
void ReportProgressDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id != ui::kIdCancel) return;
  cancelled_ = true;
  if (!dialog_) dialog.end(0);
}

bool ReportProgressDialog::step() {
  if (cancelled_) return false;
  position_ = std::min(position_ + 1, range_);
  if (dialog_) dialog_->set_progress(kMeter, position_, range_);
  return !cancelled_;
}

}  // namespace project
