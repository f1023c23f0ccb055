// The outline on disk: the ".out" file ("[OUTLINE]", then one entry a line,
// "=" between title and target) and its settings file ".dw" beside it.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contents/contents_model.h"

namespace contents {

inline constexpr std::string_view kOutlineHeader = "[OUTLINE]";
inline constexpr std::string_view kOutlineSettingsSection = "Settings";

// The given path with the extension ".out" / ".dw".
std::string outline_path(std::string_view path);
std::string outline_settings_path(std::string_view path);

// True for the header line that starts the entries, and for the line that
// ends them ("[Settings]"), in any case.
bool is_outline_start(std::string_view line);
bool is_outline_end(std::string_view line);

// The file's lines without their ends (CR LF, LF or a lone CR).
std::vector<std::string_view> outline_lines(std::string_view bytes);

// The entries between "[OUTLINE]" and "[Settings]"; blank lines are
// skipped, and a file without the header holds none.
std::vector<CntEntry> read_outline(std::string_view bytes);
// "[OUTLINE]" and every entry, each line ended with CR LF.
std::string write_outline(const std::vector<CntEntry>& entries);

// Fills a fresh model from the file; false (model empty) when it is missing.
bool load_outline(ContentsModel& model, std::string_view path);

enum class OutlineSave { saved, failed };
// Writes the outline file, making its folder when it is missing.
OutlineSave save_outline(const ContentsModel& model, std::string_view path);

// The "Use master document" choice of the settings file (off when missing),
// and the file written with the entry count and that choice.
bool read_use_master_document(std::string_view settings_path);
bool write_outline_settings(std::string_view settings_path, size_t entries, bool use_master_document);

}  // namespace contents
