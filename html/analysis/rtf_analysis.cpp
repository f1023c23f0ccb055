#include "html/analysis/rtf_analysis.h"

#include "html/driver/conversion_run.h"
#include "html/analysis/marker_file.h"
#include "html/driver/messages.h"
#include "html/driver/progress_window.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

constexpr double kStepBytes = 60000.0;
constexpr double kStepAllowance = 1.3;

void report_missing(const std::string& rtf_path) {
  std::string name(platform::file_name_of(rtf_path));
  std::string text = resource_string(kStrRtfMissing);
  std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, name);
  show_message(text);
}

}  // namespace

int analysis_steps(std::uint64_t total_size) {
  return static_cast<int>(static_cast<double>(total_size) / kStepBytes * kStepAllowance);
}

int scan_rtf(ConversionRun& run) {
  std::unique_ptr<ProgressWindow> progress = show_progress_over(
      kAnalyzingCaption, analysis_steps(run.project.total_size), kAnalysisProgressThreshold);
  bool none_missing = true;
  const int code_page = run.project.code_page;
  for (const RtfFileEntry& entry : run.rtf_files.entries()) {
    std::string rtf = with_last_extension(entry.path, ".rtf");
    if (write_marker_file(rtf, entry.marker, progress.get(), code_page) == MarkerOutcome::rtf_missing) {
      report_missing(rtf);
      none_missing = false;
    }
  }
  return none_missing ? 1 : 0;
}

int process_rtf(ConversionRun& run) {
  wizard::load_conversion_state(run.settings);
  read_project_hpj(run);
  int result = scan_rtf(run);
  run.settings.project.twhtml.bmroot = run.project.bitmap_path;
  wizard::save_project(run.settings);
  return result;
}

std::optional<std::string> get_next_rtf(const ConversionRun& run, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= run.rtf_files.size()) return std::nullopt;
  return run.rtf_files.entries()[static_cast<std::size_t>(index)].marker;
}

}  // namespace html
