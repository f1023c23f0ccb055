#include "html/analysis/marker_file.h"

#include "html/analysis/marker_rewrite.h"
#include "html/driver/progress_window.h"
#include "platform/files.h"

namespace html {

namespace {

// The analysis' progress window steps once per this many bytes of RTF.
constexpr std::size_t kProgressStepBytes = 60000;

}  // namespace

std::string with_last_extension(std::string_view path, std::string_view ext) {
  std::size_t dot = path.rfind('.');
  return std::string(path.substr(0, dot)) + std::string(ext);
}

MarkerOutcome write_marker_file(std::string_view rtf_path, std::string_view marker_path,
                                ProgressWindow* progress, int code_page) {
  std::optional<std::string> rtf = platform::read_file(rtf_path);
  if (!rtf) return MarkerOutcome::rtf_missing;
  platform::remove_file(marker_path);
  platform::FileWriter out;
  if (!out.open(marker_path)) return MarkerOutcome::not_written;
  bool written = out.write(rewrite_markers(*rtf, nullptr, code_page));
  written = out.close() && written;
  if (progress) {
    for (std::size_t done = 0; done < rtf->size(); done += kProgressStepBytes) progress->step();
  }
  if (!written) {
    // A marker file cut short would convert into pages with text missing.
    platform::remove_file(marker_path);
    return MarkerOutcome::not_written;
  }
  return MarkerOutcome::written;
}

}  // namespace html
