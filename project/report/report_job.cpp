#include "project/report/report_job.h"

#include <algorithm>

#include "project/project_state.h"
#include "core/project_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace project {
namespace {

// Pass 1: the cross references of every topic.
class CollectingSink : public ScanSink {
 public:
  CollectingSink(ReportJob& job, ReportProgress& progress) : job_(job), progress_(progress) {}
  bool on_topic_end(const ScannedTopic& topic) override {
    job_.collect(topic);
    return topic.empty() || progress_.step();
  }

 private:
  ReportJob& job_;
  ReportProgress& progress_;
};

}  // namespace

std::string report_path(std::string_view project_path) {
  return platform::join_path(core::project_directory(project_path), kReportFile);
}

int report_meter_range(int topics, const ReportOptions& options) {
  int range = options.jumps_from ? topics * 2 - 1 : topics - 1;
  if (options.order != ReportOrder::actual) range += topics;
  return std::max(range, 0);
}

ReportJob::ReportJob(const ProjectState& state, const ReportOptions& options)
    : state_(state), options_(options) {
  std::string dir = core::project_directory(state.project_path);
  temp_path_ = platform::join_path(dir, kReportTempFile);
  report_path_ = platform::join_path(dir, kReportFile);
}

bool ReportJob::open() {
  const bool sorted = options_.order != ReportOrder::actual;
  if (sorted && platform::is_locked_by_other(report_path_)) return false;
  platform::OpenStatus status;
  output_ = ReportOutput::create(sorted ? temp_path_ : report_path_, status);
  return output_ != nullptr;
}

ReportOutcome ReportJob::run(ReportProgress& progress) {
  if (!output_) return ReportOutcome::in_use;
  bool done = true;
  if (options_.jumps_from) {
    CollectingSink collecting(*this, progress);
    done = scan_files(collecting);
    // Each topic looks up the references that lead to it.
    std::stable_sort(cross_references_.begin(), cross_references_.end(),
                     [](const CrossReference& a, const CrossReference& b) { return a.target < b.target; });
  }
  done = done && write_pass(progress);
  ReportOutcome outcome = done ? ReportOutcome::written : ReportOutcome::cancelled;
  if (options_.order != ReportOrder::actual) {
    output_->flush();
    if (done) outcome = write_sorted(progress);
    output_.reset();
    platform::remove_file(temp_path_);
  }
  return outcome;
}

bool ReportJob::scan_files(ScanSink& sink) {
  for (int i = 0; i < state_.topic_files.count(); ++i) {
    // Topic files that cannot be opened are left out.
    if (ScanTopicFile(topic_path(i), state_.data.topics, sink) == ScanResult::stopped) return false;
  }
  return true;
}

std::string ReportJob::topic_path(int index) const {
  return core::topic_file_path(state_.project_path, state_.topic_files.name(index));
}

void ReportJob::collect(const ScannedTopic& topic) {
  if (topic.number < 0) return;
  for (const ScannedHotspot& h : topic.hotspots) {
    if (h.kind == HotspotKind::macro || h.topic < 0) continue;
    if (cross_references_.size() >= kMaxCrossReferences) {
      cross_references_full_ = true;
      return;
    }
    cross_references_.push_back({h.topic, topic.number, h.kind});
  }
}

void ReportJob::add_sort_entry(std::string key, std::uint64_t offset) {
  if (options_.order == ReportOrder::actual || unsorted_rest_) return;
  if (sort_entries_.size() >= kMaxSortEntries) {
    unsorted_rest_ = true;
    unsorted_from_ = offset;
    return;
  }
  sort_entries_.push_back({std::move(key), offset});
}

std::string ReportJob::help_file_name() const {
  return text::to_upper(platform::replace_extension(platform::file_name_of(state_.project_path), ".HLP"));
}

}  // namespace project
