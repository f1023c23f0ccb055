// ProcessFiles: the HTML stage of a conversion, every pass in order over the
// HTML files the caller registered.
#pragma once
#include <string>

namespace html {

struct ConversionRun;

// A progress window is shown when the run has more steps than this.
inline constexpr int kProgressThreshold = 5;

// The contents file of the run's help project (its path with ".cnt").
std::string contents_file_path(const ConversionRun& run);

// Splits the registered files into topic pages, writes and frames every
// page, adds related topics, writes the TOC and the index and applies the
// master page. Returns 0 when no HTML file is registered, else 1.
int process_files(ConversionRun& run);

}  // namespace html
