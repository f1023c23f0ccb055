// One RTF topic file rewritten into its marker file (".~tw").
#pragma once
#include <string>
#include <string_view>

namespace html {

class ProgressWindow;

// The extension of marker files.
inline constexpr std::string_view kMarkerExtension = ".~tw";

// path with everything from its last "." replaced by ext.
std::string with_last_extension(std::string_view path, std::string_view ext);

enum class MarkerOutcome {
  written,      // the marker file is complete
  rtf_missing,  // the RTF file cannot be opened
  not_written,  // the marker file cannot be created or written (nothing left of it)
};

// Rewrites the RTF file chunk by chunk into the marker file (an old one is
// deleted first), stepping the progress window once per chunk.
// code_page: the code page of a topic file that names none (the project's).
MarkerOutcome write_marker_file(std::string_view rtf_path, std::string_view marker_path,
                                ProgressWindow* progress, int code_page = 1252);

}  // namespace html
