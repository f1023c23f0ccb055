// The first stage of a conversion: the help project's RTF topic files
// rewritten into marker files, and the marker files handed to the caller.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace html {

struct ConversionRun;

// The progress window shows when the analysis takes more steps than this.
inline constexpr int kAnalysisProgressThreshold = 5;

// Steps of the analysis' progress window for the total size of the topic
// files: one per 60,000 bytes, with room for the carried-over text.
int analysis_steps(std::uint64_t total_size);

// Writes the marker file of every RTF file of run.rtf_files. A missing RTF
// file is reported and skipped. Returns 1 when none was missing, else 0.
int scan_rtf(ConversionRun& run);

// Loads the wizard settings, reads the help project, runs scan_rtf and
// saves the project with the bitmap path read. Returns scan_rtf's result.
int process_rtf(ConversionRun& run);

// The marker file of topic file number index, nullopt past the last.
std::optional<std::string> get_next_rtf(const ConversionRun& run, int index);

}  // namespace html
