#include "contents/outline_file.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace contents {
namespace {

constexpr std::string_view kEntryCountKey = "num entries";
constexpr std::string_view kMasterDocumentKey = "use_master_doc";

bool contains_no_case(std::string_view line, std::string_view word) {
  return text::to_lower(line).find(text::to_lower(word)) != std::string::npos;
}

bool only_blanks(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

std::string outline_path(std::string_view path) { return platform::replace_extension(path, ".out"); }
std::string outline_settings_path(std::string_view path) { return platform::replace_extension(path, ".dw"); }

bool is_outline_start(std::string_view line) { return contains_no_case(line, kOutlineHeader); }
bool is_outline_end(std::string_view line) { return contains_no_case(line, "[Settings]"); }

std::vector<std::string_view> outline_lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.push_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

std::vector<CntEntry> read_outline(std::string_view bytes) {
  std::vector<CntEntry> entries;
  bool started = false;
  for (const auto line : outline_lines(bytes)) {
    if (!started) {
      started = is_outline_start(line);
      continue;
    }
    if (is_outline_end(line)) break;
    if (!only_blanks(line)) entries.push_back(formats::parse_cnt_entry(line));
  }
  return entries;
}

std::string write_outline(const std::vector<CntEntry>& entries) {
  std::string out = std::string(kOutlineHeader) + "\r\n";
  for (const auto& entry : entries) {
    std::string line = entry.line();
    const auto tab = line.find('\t');
    if (tab != std::string::npos) line[tab] = '=';
    out += line + "\r\n";
  }
  return out;
}

bool load_outline(ContentsModel& model, std::string_view path) {
  start_model(model);
  const auto bytes = platform::read_file(path);
  if (!bytes) return false;
  for (auto& entry : read_outline(*bytes)) append_entry(model, std::move(entry));
  return true;
}

OutlineSave save_outline(const ContentsModel& model, std::string_view path) {
  const std::string bytes = write_outline(model.file.entries);
  if (platform::write_file(path, bytes)) return OutlineSave::saved;
  const std::string_view folder = platform::directory_of(path);
  if (folder.empty() || !platform::create_directories(folder)) return OutlineSave::failed;
  return platform::write_file(path, bytes) ? OutlineSave::saved : OutlineSave::failed;
}

bool read_use_master_document(std::string_view settings_path) {
  return platform::get_profile_int(kOutlineSettingsSection, kMasterDocumentKey, 0, settings_path) != 0;
}

bool write_outline_settings(std::string_view settings_path, size_t entries, bool use_master_document) {
  platform::ProfileBatch batch(settings_path);
  const std::string count = std::to_string(entries);
  platform::write_profile_string(kOutlineSettingsSection, kEntryCountKey, count, settings_path);
  platform::write_profile_string(kOutlineSettingsSection, kMasterDocumentKey, use_master_document ? "1" : "0",
                                 settings_path);
  return batch.commit();
}

}  // namespace contents
