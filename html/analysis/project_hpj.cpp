#include "html/analysis/project_hpj.h"

#include "formats/hpj_kind.h"
#include "html/analysis/project_code_page.h"
#include "html/driver/conversion_run.h"
#include "html/driver/messages.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

// A header that opens no named section.
constexpr std::string_view kClosingHeader = "[]";

std::string read_bitmap_path(const formats::HpjText& hpj) {
  std::string joined;
  for (const std::string& entry : hpj.section_entries("OPTIONS")) {
    std::size_t eq = entry.find('=');
    if (eq == std::string::npos) continue;
    // The key itself must be BMROOT: a title that mentions it is no root.
    if (!text::iequals(text::trim(std::string_view(entry).substr(0, eq)), "BMROOT")) continue;
    if (!joined.empty()) joined += ',';
    joined += text::trim(std::string_view(entry).substr(eq + 1));
  }
  if (joined.find(".,") == std::string::npos) joined = ".," + joined;
  return joined;
}

void read_topic_files(ConversionRun& run, const formats::HpjText& hpj, const std::string& path) {
  std::string_view dir = platform::directory_of(path);
  for (const std::string& entry : hpj.section_entries("FILES")) {
    ResolvedPath file = resolve_project_path(dir, entry);
    if (file.exists) run.project.total_size += platform::file_size(file.path).value_or(0);
    std::string name = text::to_lower(file.path);
    if (name.find(".rtf") != std::string::npos) run.rtf_files.add(name, dir);
  }
}

std::string first_map_include(const formats::HpjText& hpj) {
  std::vector<std::string> includes = hpj.section_includes("MAP");
  return includes.empty() ? std::string() : includes.front();
}

// The file's text, or nullopt (after telling the user) when it is no help project.
std::optional<std::string> project_text(const std::string& path) {
  std::optional<std::string> bytes = platform::read_file(path);
  if (bytes && !formats::is_help_project_text(*bytes)) {
    const std::string name(platform::file_name_of(path));
    show_message(text::format(formats::kNotAHelpProjectText, name.c_str()),
                 ui::kMbOk | ui::kMbIconStop);
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

formats::HpjText conversion_hpj_text(std::string_view bytes) {
  std::string marked;
  for (const std::string& line : text::split_lines(bytes)) {
    const bool end = line.find(kSectionEndMark) != std::string::npos;
    marked += end ? std::string(kClosingHeader) : line;
    marked += '\n';
  }
  return formats::HpjText(marked);
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
  std::string path = help_project_path(run.settings);
  run.project.hpj_path = path;
  std::optional<std::string> bytes;
  if (!path.empty()) bytes = project_text(path);
  const formats::HpjText hpj = conversion_hpj_text(bytes.value_or(std::string()));
  run.project.bitmap_path = read_bitmap_path(hpj);
  run.project.help_title = text::cut(hpj.value("OPTIONS", "TITLE"), kHelpTitleCut);
  run.project.contents_topic = text::cut(hpj.value("OPTIONS", "CONTENTS"), kContentsTopicCut);
  read_topic_files(run, hpj, path);
  run.project.map_file = first_map_include(hpj);
  run.project.code_page = project_code_page(hpj.value("OPTIONS", "LCID"));
}

}  // namespace html
