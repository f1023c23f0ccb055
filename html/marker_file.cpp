#include "html/marker_file.h"

#include "html/marker_rewrite.h"
#include "html/progress_window.h"
#include "html/rtf_chunks.h"
#include "platform/files.h"

namespace html {

std::string with_last_extension(std::string_view path, std::string_view ext) {
  std::size_t dot = path.rfind('.');
  return std::string(path.substr(0, dot)) + std::string(ext);
}

MarkerOutcome write_marker_file(std::string_view rtf_path, std::string_view marker_path,
                                ProgressWindow* progress) {
  RtfChunkReader reader;
  if (!reader.open(rtf_path)) return MarkerOutcome::rtf_missing;
  platform::remove_file(marker_path);
  platform::FileWriter out;
  if (!out.open(marker_path)) return MarkerOutcome::not_written;
  MarkerFileState state;
  bool written = true;
  while (std::optional<std::string> chunk = reader.next()) {
    rewrite_chunk(*chunk, state);
    written = out.write(*chunk) && written;
    if (progress) progress->step();
  }
  written = out.close() && written && !reader.failed();
  if (!written) {
    // A marker file cut short would convert into pages with text missing.
    platform::remove_file(marker_path);
    return MarkerOutcome::not_written;
  }
  return MarkerOutcome::written;
}

}  // namespace html
