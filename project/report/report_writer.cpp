// The writing pass of the topic report: each topic's lines in the order its
// markers stand in the file, then the references that lead to it.
#include <algorithm>

#include "project/project_state.h"
#include "core/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/report/report_job.h"

namespace project {
namespace {

constexpr int kMsgReportTitle = 10030;
constexpr std::string_view kSeparator = "\t\t\n";
constexpr std::string_view kCrossReferencesFull =
    "Cross references beyond the first 10000 are not listed.\n";

std::string footnote_line(char kind, std::string_view text, const std::string& file_name) {
  const std::string t(text);
  switch (kind) {
    case '*': return "Build Tags:\t" + t + "\n";
    case '#': return "Context String:\t" + t + "\t\tTopic File:   " + file_name + "\n";
    case '$': return "Title:         \t" + t + "\n";
    case 'K': return "Keywords:      \t" + t + "\n";
    case '+': return "Browse Seq:\t" + t + "\n";
    case '!': return "Entry Macro:\t" + t + "\n";
    default: return {};
  }
}

std::string hotspot_line(const ScannedHotspot& h) {
  switch (h.kind) {
    case HotspotKind::jump: return "   \t\t Jump to:\t" + h.target + "\n";
    case HotspotKind::popup: return "   \t\t Pop-up to:\t" + h.target + "\n";
    case HotspotKind::macro: return "   \t\t Macro:    \t" + h.target + "\n";
  }
  return {};
}

std::string sort_key(ReportOrder order, const ScannedTopic& topic) {
  const std::string& field = order == ReportOrder::context ? topic.context
                             : order == ReportOrder::title ? topic.title
                                                           : topic.browse;
  return text::cut(text::trim_left(field), kSortKeyMax);
}

class WritingSink : public ScanSink {
 public:
  WritingSink(ReportJob& job, ReportProgress& progress, std::string file_name)
      : job_(job), progress_(progress), file_name_(std::move(file_name)) {}

  void on_footnote(char kind, std::string_view text, const ScannedTopic&) override {
    begin();
    job_.output().write(footnote_line(kind, text, file_name_));
  }
  void on_hotspot(const ScannedHotspot& hotspot, const ScannedTopic&) override {
    if (!job_.options().jumps_to) return;
    begin();
    if (!hotspot_listed_) job_.output().write("\n");
    hotspot_listed_ = true;
    job_.output().write(hotspot_line(hotspot));
  }
  bool on_topic_end(const ScannedTopic& topic) override {
    if (started_) {
      job_.output().write("\n");
      if (job_.options().jumps_from) write_references(topic.number);
      job_.output().write(kSeparator);
      job_.output().write("\n");
      job_.add_sort_entry(sort_key(job_.options().order, topic), start_);
    }
    started_ = hotspot_listed_ = false;
    return topic.empty() || progress_.step();
  }

 private:
  void begin() {
    if (started_) return;
    started_ = true;
    start_ = job_.output().offset();
  }
  void write_references(int topic) {
    if (topic < 0) return;
    const auto& refs = job_.cross_references();
    auto range = std::equal_range(refs.begin(), refs.end(), CrossReference{topic, 0, HotspotKind::jump},
                                  [](const CrossReference& a, const CrossReference& b) { return a.target < b.target; });
    const TopicTable& table = job_.state().data.topics;
    for (auto it = range.first; it != range.second; ++it) {
      std::string source(text::trim_left(table[it->source].context));
      job_.output().write(it->kind == HotspotKind::jump ? "   \t\t Jump from:\t" : "   \t\t Pop-up from:\t");
      job_.output().write(source + "\n");
    }
  }

  ReportJob& job_;
  ReportProgress& progress_;
  std::string file_name_;
  bool started_ = false, hotspot_listed_ = false;
  std::uint64_t start_ = 0;
};

}  // namespace

bool ReportJob::write_pass(ReportProgress& progress) {
  if (options_.order == ReportOrder::actual) {
    output_->write(text::format(core::resource_string(kMsgReportTitle).c_str(), help_file_name().c_str()));
    output_->write("\n\n");
    output_->write(kSeparator);
  }
  for (int i = 0; i < state_.topic_files.count(); ++i) {
    std::string entry = state_.topic_files.name(i);
    WritingSink sink(*this, progress, text::to_upper(platform::file_name_of(entry)));
    if (ScanTopicFile(topic_path(i), state_.data.topics, sink) == ScanResult::stopped) return false;
  }
  if (options_.order == ReportOrder::actual) note_limits(*output_);
  return true;
}

void ReportJob::note_limits(ReportOutput& out) const {
  if (cross_references_full_) out.write(kCrossReferencesFull);
}

}  // namespace project
