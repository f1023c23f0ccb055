#include "html/marker_file.h"

#include <fstream>

#include "html/marker_rewrite.h"
#include "html/progress_window.h"
#include "html/rtf_chunks.h"
#include "platform/files.h"
#include "platform/paths.h"

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
  std::ofstream out(platform::to_host_path(marker_path), std::ios::binary | std::ios::trunc);
  if (!out) return MarkerOutcome::not_written;
  MarkerFileState state;
  while (std::optional<std::string> chunk = reader.next()) {
    rewrite_chunk(*chunk, state);
    out.write(chunk->data(), static_cast<std::streamsize>(chunk->size()));
    if (progress) progress->step();
  }
  out.close();
  if (!out) {
    // A marker file cut short would convert into pages with text missing.
    platform::remove_file(marker_path);
    return MarkerOutcome::not_written;
  }
  return MarkerOutcome::written;
}

}  // namespace html
