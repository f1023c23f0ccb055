// The work of the topic report: the output file, the first pass that
// collects cross references, the writing pass and, for a sorted report,
// the copy of the topics in key order.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "project/report/report_output.h"
#include "project/report/topic_report.h"
#include "project/topics/topic_scanner.h"

namespace project {
struct ProjectState;
}

namespace project {

// A hotspot of one topic that leads to another (macros are not collected).
struct CrossReference {
  int target = -1;
  int source = -1;
  HotspotKind kind = HotspotKind::jump;
};

// Where a topic's lines begin in the temporary file, under its sort key.
struct SortEntry {
  std::string key;
  std::uint64_t offset = 0;
};

class ReportJob {
 public:
  ReportJob(const ProjectState& state, const ReportOptions& options);

  // Creates the output file (the temporary one for a sorted report); false
  // when it, or the report file of a sorted report, is held by another program.
  bool open();
  // The passes; then, sorted, the report file. The temporary file is gone
  // afterwards whatever happened.
  ReportOutcome run(ReportProgress& progress);

  // What the passes gathered (for the writing sink).
  const std::vector<CrossReference>& cross_references() const { return cross_references_; }
  ReportOutput& output() { return *output_; }
  const ReportOptions& options() const { return options_; }
  const ProjectState& state() const { return state_; }
  // Records where a finished topic's lines began, under its key.
  void add_sort_entry(std::string key, std::uint64_t offset);
  // Adds the cross references of a scanned topic.
  void collect(const ScannedTopic& topic);

 private:
  bool scan_files(ScanSink& sink);
  bool write_pass(ReportProgress& progress);
  ReportOutcome write_sorted(ReportProgress& progress);
  bool copy_topic(ReportOutput& out, std::uint64_t offset, bool to_end);
  std::string help_file_name() const;
  std::string topic_path(int index) const;
  // A line at the end of the report when cross references were left out.
  void note_limits(ReportOutput& out) const;

  const ProjectState& state_;
  ReportOptions options_;
  std::string temp_path_, report_path_;
  std::unique_ptr<ReportOutput> output_;
  std::vector<CrossReference> cross_references_;
  bool cross_references_full_ = false;
  std::vector<SortEntry> sort_entries_;
  std::uint64_t unsorted_from_ = 0;  // topics from here on did not fit the sort
  bool unsorted_rest_ = false;
};

}  // namespace project
