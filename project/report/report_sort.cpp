// The sorted topic report: the topics of the temporary file copied into the
// report file in the order of their keys.
#include <algorithm>

#include "core/messages.h"
#include "platform/text.h"
#include "project/report/report_job.h"
#include "project/topics/topic_file_lines.h"

namespace project {
namespace {

constexpr int kMsgReportTitle = 10030;
constexpr int kMsgSortedBy = 10031;

std::string_view order_name(ReportOrder order) {
  switch (order) {
    case ReportOrder::context: return "Context String";
    case ReportOrder::title: return "Topic Title";
    default: return "Browse Sequence";
  }
}

}  // namespace

ReportOutcome ReportJob::write_sorted(ReportProgress& progress) {
  platform::OpenStatus status;
  auto out = ReportOutput::create(report_path_, status);
  if (!out) return ReportOutcome::in_use;
  // Keys compare as bytes; topics with equal keys keep their file order.
  std::stable_sort(sort_entries_.begin(), sort_entries_.end(),
                   [](const SortEntry& a, const SortEntry& b) { return a.key < b.key; });
  out->write(text::format(core::resource_string(kMsgReportTitle).c_str(), help_file_name().c_str()));
  out->write("\n\n");
  out->write(text::format(core::resource_string(kMsgSortedBy).c_str(), std::string(order_name(options_.order)).c_str()));
  out->write("\n\n\t\t\n");
  for (const SortEntry& entry : sort_entries_) {
    copy_topic(*out, entry.offset, false);
    if (!progress.step()) return ReportOutcome::cancelled;
  }
  if (unsorted_rest_) copy_topic(*out, unsorted_from_, true);
  note_limits(*out);
  return out->flush() ? ReportOutcome::written : ReportOutcome::in_use;
}

// Copies the lines of one topic up to its separator line ("\t\t"), with an
// empty line before the separator; `to_end` copies everything from offset.
bool ReportJob::copy_topic(ReportOutput& out, std::uint64_t offset, bool to_end) {
  TopicFileLines lines;
  if (!lines.open(temp_path_, offset)) return false;
  std::string piece;
  bool line_end = false, line_start = true;
  while (lines.next(piece, line_end)) {
    if (!to_end && line_start && line_end && piece == "\t\t") {
      out.write("\n\t\t\n");
      return true;
    }
    out.write(piece);
    if (line_end) out.write("\n");
    line_start = line_end;
  }
  return true;
}

}  // namespace project
