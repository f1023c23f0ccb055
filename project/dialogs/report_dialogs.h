// The topic report's dialogs: the options "DLG_REPORT" and the modal
// progress dialog "DLG_PROGRESS", inside which the report is written.
#pragma once
#include "platform/ui/dialog.h"
#include "project/report/report_job.h"

namespace project {

// "DLG_REPORT" ("Help Topic Report").
class ReportOptionsDialog : public ui::DialogProc {
 public:
  static constexpr int kJumpsTo = 101;
  static constexpr int kJumpsFrom = 102;
  static constexpr int kActualOrder = 103;  // then context string, title, browse sequence

  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  const ReportOptions& options() const { return options_; }

 private:
  ReportOptions options_;
};

// "DLG_PROGRESS" ("Generating Report"): runs the job as it opens, moving the
// meter after each topic; Cancel stops the job after the topic at hand.
class ReportProgressDialog : public ui::DialogProc, public ReportProgress {
 public:
  static constexpr int kMeter = 101;

  ReportProgressDialog(ReportJob& job, int range);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  bool step() override;
  ReportOutcome outcome() const { return outcome_; }

 private:
  ReportJob& job_;
  int range_;
  int position_ = 0;
  ui::Dialog* dialog_ = nullptr;  // while the job runs
  bool cancelled_ = false;
  ReportOutcome outcome_ = ReportOutcome::cancelled;
};

}  // namespace project
