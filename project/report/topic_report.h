// The topic report (GenReport): a plain-text listing of every topic of the
// project with its footnotes and hotspots and, optionally, the hotspots in
// other topics that lead to it, in file order or sorted, written to
// "twz_rpt.txt" in the project folder.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace project {
struct ProjectState;
}

namespace project {

inline constexpr std::string_view kReportFile = "twz_rpt.txt";
inline constexpr std::string_view kReportTempFile = "twz_temp.txt";
// Cross references the first pass collects, and topics a sorted report
// sorts (topics beyond follow the sorted ones in file order).
inline constexpr size_t kMaxCrossReferences = 10000;
inline constexpr size_t kMaxSortEntries = 2000;
inline constexpr size_t kSortKeyMax = 14;

enum class ReportOrder { actual = 0, context = 1, title = 2, browse = 3 };

struct ReportOptions {
  bool jumps_to = true;    // list each topic's hotspots
  bool jumps_from = true;  // list the hotspots that lead to each topic
  ReportOrder order = ReportOrder::actual;
};

// Told after each topic; false stops the report (the user cancelled).
class ReportProgress {
 public:
  virtual ~ReportProgress() = default;
  virtual bool step() = 0;
};

enum class ReportOutcome { written, cancelled, in_use };

// The report's full path in the project folder.
std::string report_path(std::string_view project_path);
// The meter's range for a project of `topics` topics.
int report_meter_range(int topics, const ReportOptions& options);

// "DLG_REPORT" for the options, then the report inside "DLG_PROGRESS".
// path receives the report's path. 1 when the report was written.
int GenReport(ProjectState& state, std::int32_t window, std::string& path);

}  // namespace project
