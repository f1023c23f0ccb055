#include "project/report/topic_report.h"

#include "project/project_state.h"
#include "core/messages.h"
#include "platform/ui/host.h"
#include "project/dialogs/report_dialogs.h"

namespace project {
namespace {

constexpr int kMsgReportInUse = 10029;

void report_in_use(const ProjectState& state) {
  core::show_message(state, core::resource_string(kMsgReportInUse), ui::kMbOk | ui::kMbIconStop);
}

}  // namespace

int GenReport(ProjectState& state, std::int32_t window, std::string& path) {
  window = core::dialog_owner(state, window);
  ReportOptionsDialog options;
  if (ui::host().run_modal(core::authoring_module(), "DLG_REPORT", options, window) == 0) return 0;
  path = report_path(state.project_path);
  if (state.topic_files.empty()) return 0;
  ReportJob job(state, options.options());
  if (!job.open()) {
    report_in_use(state);
    return 0;
  }
  ReportProgressDialog progress(job, report_meter_range(state.data.topics.count(), options.options()));
  int result = ui::host().run_modal(core::authoring_module(), "DLG_PROGRESS", progress, window);
  if (progress.outcome() == ReportOutcome::in_use) report_in_use(state);
  return result != 0 ? 1 : 0;
}

}  // namespace project
