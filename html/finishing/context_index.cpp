#include "html/finishing/context_index.h"

#include <cstdlib>
#include <optional>
#include <set>

#include "formats/hpj_text.h"
#include "html/analysis/project_hpj.h"
#include "html/driver/conversion_run.h"
#include "html/index/index_entries.h"
#include "html/finishing/publication.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {
namespace {

constexpr std::string_view kCrLf = "\r\n";

bool is_name_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '.';
}

// A word as a number, decimal or "0x" hex; nullopt for anything else.
std::optional<long> whole_number(std::string_view word) {
  if (word.empty() || word.size() > 12) return std::nullopt;
  const std::string text(word);
  char* end = nullptr;
  long value = std::strtol(text.c_str(), &end, 0);
  if (end != text.c_str() + text.size() || value < 0) return std::nullopt;
  return value;
}

std::optional<MappedNumber> parse_map_line(std::string_view line) {
  line = text::trim(line.substr(0, line.find(';')));
  if (text::istarts_with(line, "#define")) line = text::trim(line.substr(7));
  else if (!line.empty() && line.front() == '#') return std::nullopt;
  std::size_t name_end = 0;
  while (name_end < line.size() && is_name_char(line[name_end])) ++name_end;
  if (name_end == 0) return std::nullopt;
  std::string_view rest = text::trim(line.substr(name_end));
  if (!rest.empty() && rest.front() == '=') rest = text::trim(rest.substr(1));
  std::optional<long> number = whole_number(rest.substr(0, rest.find_first_of(" \t")));
  if (!number) return std::nullopt;
  return MappedNumber{std::string(line.substr(0, name_end)), *number};
}

// The [MAP] lines of the help project and of the headers it includes.
std::vector<std::string> map_lines(const ConversionRun& run) {
  std::optional<std::string> bytes = platform::read_file(run.project.hpj_path);
  if (!bytes) return {};
  formats::HpjText hpj = conversion_hpj_text(*bytes);
  std::vector<std::string> lines = hpj.section("MAP");
  const std::string_view dir = platform::directory_of(run.project.hpj_path);
  for (const std::string& include : hpj.section_includes("MAP")) {
    std::optional<std::string> header = platform::read_file(resolve_project_path(dir, include).path);
    if (!header) continue;
    for (std::string& line : text::split_lines(*header)) lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

std::string keywords_section(const std::vector<IndexEntry>& entries) {
  if (entries.empty()) return {};
  std::string out = std::string(kCrLf) + "[Keywords]" + std::string(kCrLf);
  std::set<std::string> seen;
  for (const IndexEntry& entry : entries) {
    const std::string keyword(text::trim(entry.keyword));
    if (keyword.empty() || keyword.find('=') != std::string::npos || keyword.front() == ';' ||
        keyword.front() == '[')
      continue;
    if (!seen.insert(text::to_lower(keyword)).second) continue;
    out += keyword + "=" + std::string(platform::file_name_of(entry.target)) + std::string(kCrLf);
  }
  return out;
}

std::vector<MappedNumber> parse_map_lines(const std::vector<std::string>& lines) {
  std::vector<MappedNumber> out;
  for (const std::string& line : lines) {
    if (auto entry = parse_map_line(line)) out.push_back(std::move(*entry));
  }
  return out;
}

std::string context_index_text(const ConversionRun& run, const std::vector<MappedNumber>& map) {
  std::string out = "[Topics]" + std::string(kCrLf);
  for (const std::string& entry : run.context_map.entries()) {
    auto fields = text::split(entry, '#');
    if (fields.size() < 2 || fields[1].empty()) continue;
    std::string page(platform::file_name_of(fields[0]));
    const bool at_top = fields.size() >= 3 && fields[2] == "%";
    out += fields[1] + "=" + page + (at_top ? "" : "#" + fields[1]) + std::string(kCrLf);
  }
  out += std::string(kCrLf) + "[Map]" + std::string(kCrLf);
  for (const MappedNumber& entry : map) {
    out += std::to_string(entry.number) + "=" + entry.context + std::string(kCrLf);
  }
  out += run.publish.keyword_lines;
  out += std::string(kCrLf) + "[Publication]" + std::string(kCrLf);
  out += "start=" + std::string(platform::file_name_of(start_page_path(run))) + std::string(kCrLf);
  return out;
}

bool write_context_index(const ConversionRun& run) {
  const std::string path =
      platform::join_path(run.settings.derived.output_directory, std::string(kContextIndexName));
  return platform::write_file(path, context_index_text(run, parse_map_lines(map_lines(run))),
                              platform::Durability::unflushed);
}

}  // namespace html
