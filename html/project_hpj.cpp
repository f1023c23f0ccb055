#include "html/project_hpj.h"

#include "html/conversion_run.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace html {

namespace {

bool starts_section(std::string_view line, std::string_view name) {
  if (line.empty() || line.front() != '[') return false;
  std::string lower = text::to_lower(name);
  std::string capitalised = lower;
  if (!capitalised.empty()) capitalised[0] = text::to_upper(capitalised.substr(0, 1))[0];
  return line.find(name) != std::string_view::npos || line.find(lower) != std::string_view::npos ||
         line.find(capitalised) != std::string_view::npos;
}

bool is_include(std::string_view line) { return line.find("#include") != std::string_view::npos; }

bool wanted(std::string_view line, SectionLines mode) {
  switch (mode) {
    case SectionLines::all:
      return true;
    case SectionLines::without_includes:
      return !is_include(line);
    case SectionLines::includes_only:
      return is_include(line);
  }
  return true;
}

// The part of a line before its first ";" without trailing blanks.
std::string_view before_comment(std::string_view line) {
  return text::trim_right(line.substr(0, line.find(';')));
}

bool usable_line(std::string_view line) {
  return (line.empty() || line.front() != '[') && line.find('#') == std::string_view::npos;
}

std::string read_bitmap_path(LineReader& reader, const std::string& hpj) {
  std::string joined;
  for (const std::string& line : read_hpj_section(reader, hpj, "OPTIONS", SectionLines::all)) {
    if (!usable_line(line)) continue;
    std::string_view entry = before_comment(line);
    std::size_t eq = entry.find('=');
    if (eq == std::string_view::npos) continue;
    // The key itself must be BMROOT: a title that mentions it is no root.
    if (!text::iequals(text::trim(entry.substr(0, eq)), "BMROOT")) continue;
    if (!joined.empty()) joined += ',';
    joined += text::trim(entry.substr(eq + 1));
  }
  if (joined.find(".,") == std::string::npos) joined = ".," + joined;
  return joined;
}

void read_topic_files(ConversionRun& run, const std::string& hpj) {
  std::string_view dir = platform::directory_of(hpj);
  for (const std::string& line :
       read_hpj_section(run.line_reader, hpj, "FILES", SectionLines::all)) {
    if (!usable_line(line)) continue;
    ResolvedPath file = resolve_project_path(dir, before_comment(line));
    if (file.exists) run.project.total_size += platform::file_size(file.path).value_or(0);
    std::string name = text::to_lower(file.path);
    if (!name.empty() && name.find(".rtf") != std::string::npos) run.rtf_files.add(name);
  }
}

std::string read_map_file(LineReader& reader, const std::string& hpj) {
  std::vector<std::string> includes =
      read_hpj_section(reader, hpj, "MAP", SectionLines::includes_only);
  if (includes.empty()) return {};
  const std::string& line = includes.front();
  std::size_t blank = line.find(' ', line.find("#include"));
  if (blank == std::string::npos) return {};
  std::string name = line.substr(blank + 1);
  if (std::size_t lt = name.find('<'); lt != std::string::npos) name.erase(lt, 1);
  if (std::size_t gt = name.find('>'); gt != std::string::npos) name.erase(gt, 1);
  return name;
}

}  // namespace

std::vector<std::string> read_hpj_section(LineReader& reader, std::string_view hpj_path,
                                          std::string_view section, SectionLines mode) {
  std::vector<std::string> lines;
  if (!reader.open(hpj_path)) return lines;
  bool inside = false;
  while (std::optional<std::string> raw = reader.read_cut_line(kHpjLineBytes)) {
    std::string_view line = without_line_end(*raw);
    if (!inside) {
      inside = starts_section(line, section);
      continue;
    }
    if ((!line.empty() && line.front() == '[') ||
        line.find(kSectionEndMark) != std::string_view::npos)
      break;
    if (wanted(line, mode)) lines.emplace_back(line);
  }
  reader.close();
  return lines;
}

ResolvedPath resolve_project_path(std::string_view project_dir, std::string_view name) {
  name = text::trim_left(name);
  ResolvedPath result;
  if (name.find(':') != std::string_view::npos) {
    result.path = std::string(name);
  } else if (project_dir.empty()) {
    result.path = std::string(name);  // a project without a folder: names stay relative
  } else if (!name.empty() && platform::is_separator(name.front())) {
    result.path = std::string(project_dir) + std::string(name);
  } else {
    if (name.size() >= 2 && name[0] == '.' && platform::is_separator(name[1]))
      name.remove_prefix(2);
    result.path = std::string(project_dir) + "\\" + std::string(name);
  }
  result.exists = platform::file_exists(result.path);
  return result;
}

std::string help_project_path(const wizard::ConversionState& settings) {
  const std::string& named = settings.project.twhtml.hpj.empty() ? settings.authoring.project
                                                                 : settings.project.twhtml.hpj;
  if (named.empty()) return {};
  return platform::replace_extension(named, ".hpj");
}

void read_project_hpj(ConversionRun& run) {
  run.project = ProjectData{};
  run.rtf_files.clear();
  std::string hpj = help_project_path(run.settings);
  run.project.hpj_path = hpj;
  if (hpj.empty()) {
    run.project.bitmap_path = ".,";
    return;
  }
  run.project.bitmap_path = read_bitmap_path(run.line_reader, hpj);
  run.project.help_title =
      platform::get_profile_string("OPTIONS", "TITLE", "", kHelpTitleCut + 1, hpj);
  run.project.contents_topic =
      platform::get_profile_string("OPTIONS", "CONTENTS", "", kContentsTopicCut + 1, hpj);
  read_topic_files(run, hpj);
  run.project.map_file = read_map_file(run.line_reader, hpj);
}

}  // namespace html
