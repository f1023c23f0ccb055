#include "tools/helpc/project_input.h"

#include "formats/hpj_text.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/files/window_records.h"

namespace helpc {
namespace {

std::string folder_path(std::string_view folder, std::string_view project_directory) {
  if (platform::is_absolute(folder) || project_directory.empty()) return std::string(folder);
  return platform::join_path(project_directory, folder);
}

void add_folders(std::vector<std::string>& to, std::string_view list,
                 std::string_view project_directory) {
  for (const auto& piece : text::split(list, ',')) {
    std::string_view folder = text::trim(piece);
    if (!folder.empty()) to.push_back(folder_path(folder, project_directory));
  }
}

// COMPRESS=1, TRUE, YES, HIGH or MEDIUM packs the topics; 0, FALSE, NO,
// LOW or no setting leaves them plain.
bool asks_for_compression(std::string_view value) {
  value = text::trim(value);
  for (std::string_view on : {"1", "TRUE", "YES", "HIGH", "MEDIUM"}) {
    if (text::iequals(value, on)) return true;
  }
  return false;
}

// The value of every line of [OPTIONS] with this key (BMROOT may repeat).
std::vector<std::string> option_values(const formats::HpjText& hpj, std::string_view key) {
  std::vector<std::string> out;
  for (const auto& entry : hpj.section_entries("OPTIONS")) {
    auto eq = entry.find('=');
    if (eq != std::string::npos && text::iequals(text::trim(entry.substr(0, eq)), key)) {
      out.emplace_back(text::trim(entry.substr(eq + 1)));
    }
  }
  return out;
}

std::vector<std::string> window_names(const formats::HpjText& hpj) {
  std::vector<std::string> out;
  for (const auto& entry : hpj.section_entries("WINDOWS")) {
    std::string name = project::window_name_of(entry);
    if (!name.empty()) out.push_back(name);
  }
  return out;
}

std::vector<std::string> macro_lines(const formats::HpjText& hpj) {
  std::vector<std::string> out;
  for (const auto& raw : hpj.section("CONFIG")) {
    std::string_view line = text::trim(raw);
    if (!line.empty() && !formats::is_comment_line(line)) out.emplace_back(line);
  }
  return out;
}

// The compiled file: HLP= of a Help Workshop project, else the project's
// name with ".hlp".
std::string help_file_name(const formats::HpjText& hpj, std::string_view path) {
  std::string named = hpj.value("OPTIONS", "HLP");
  if (!named.empty()) return std::string(platform::file_name_of(named));
  return std::string(platform::file_name_of(platform::replace_extension(path, ".hlp")));
}

void find_contents_file(const formats::HpjText& hpj, ProjectInput& in) {
  in.contents_named = std::string(text::trim(hpj.value("OPTIONS", "CNT")));
  if (!in.contents_named.empty()) {
    in.contents_file = folder_path(in.contents_named, in.directory);
    return;
  }
  std::string own = platform::replace_extension(in.path, ".cnt");
  if (platform::file_exists(own)) in.contents_file = std::move(own);
}

}  // namespace

ProjectInput read_project_input(std::string_view path, std::string_view bytes) {
  const formats::HpjText hpj(bytes);
  ProjectInput in;
  in.path = std::string(path);
  in.directory = std::string(platform::directory_of(path));
  in.topic_files = hpj.section_entries("FILES");
  in.roots.push_back(in.directory);
  add_folders(in.roots, hpj.value("OPTIONS", "ROOT"), in.directory);
  for (const auto& value : option_values(hpj, "BMROOT")) add_folders(in.bitmap_roots, value, in.directory);
  in.bitmap_files = hpj.section_entries("BITMAPS");
  in.windows = window_names(hpj);
  in.window_lines = hpj.section_entries("WINDOWS");
  in.title = hpj.value("OPTIONS", "TITLE");
  in.copyright = hpj.value("OPTIONS", "COPYRIGHT");
  in.contents_topic = hpj.has_key("OPTIONS", "CONTENTS") ? hpj.value("OPTIONS", "CONTENTS")
                                                        : hpj.value("OPTIONS", "INDEX");
  in.help_file = help_file_name(hpj, path);
  find_contents_file(hpj, in);
  in.map_entries = project::parse_context_numbers(formats::join_lines(hpj.section("MAP")));
  in.map_includes = hpj.section_includes("MAP");
  in.aliases = parse_alias_lines(hpj.section("ALIAS"));
  in.alias_includes = hpj.section_includes("ALIAS");
  in.config_macros = macro_lines(hpj);
  in.compress = asks_for_compression(hpj.value("OPTIONS", "COMPRESS"));
  return in;
}

std::vector<AliasEntry> parse_alias_lines(const std::vector<std::string>& lines) {
  std::vector<AliasEntry> out;
  for (const auto& raw : lines) {
    std::string_view line = text::trim(raw);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    line = text::trim(line.substr(0, line.find(';')));
    auto eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    AliasEntry entry{std::string(text::trim(line.substr(0, eq))),
                     std::string(text::trim(line.substr(eq + 1)))};
    if (!entry.name.empty() && !entry.target.empty()) out.push_back(std::move(entry));
  }
  return out;
}

std::string find_in_folders(std::string_view name, const std::vector<std::string>& folders) {
  if (platform::is_absolute(name) || folders.empty()) return std::string(name);
  for (const auto& folder : folders) {
    std::string candidate = platform::join_path(folder, name);
    if (platform::file_exists(candidate)) return candidate;
  }
  return platform::join_path(folders.front(), name);
}

}  // namespace helpc
