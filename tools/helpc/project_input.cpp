#include "tools/helpc/project_input.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/hpj_text.h"
#include "project/project_file_format.h"
#include "project/window_records.h"

namespace helpc {
namespace {

std::string folder_path(std::string_view folder, std::string_view project_directory) {
  if (platform::is_absolute(folder) || project_directory.empty()) return std::string(folder);
  return platform::join_path(project_directory, folder);
}

std::vector<std::string> folder_list(std::string_view list, std::string_view project_directory) {
  std::vector<std::string> out;
  for (const auto& folder : project::root_folders(list)) {
    out.push_back(folder_path(folder, project_directory));
  }
  return out;
}

// A section's entries: comments and "#" lines skipped, each cut at ";".
std::vector<std::string> section_entries(const project::HpjText& hpj, std::string_view name) {
  std::vector<std::string> out;
  for (const auto& raw : hpj.section(name)) {
    std::string_view line = text::trim(raw);
    if (line.empty() || line.front() == ';' || line.find('#') != std::string_view::npos) continue;
    std::string_view entry = text::trim(line.substr(0, line.find(';')));
    if (!entry.empty()) out.emplace_back(entry);
  }
  return out;
}

std::vector<std::string> window_names(const project::HpjText& hpj) {
  std::vector<std::string> out;
  for (const auto& raw : hpj.section("WINDOWS")) {
    std::string_view line = text::trim(raw);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    std::string name = project::window_name_of(line);
    if (!name.empty()) out.push_back(name);
  }
  return out;
}

// [MAP] definitions written in the section itself ("#include" lines are
// not definitions and are skipped by the map reader).
std::vector<project::ContextDefinition> map_definitions(const project::HpjText& hpj) {
  return project::parse_context_numbers(project::join_lines(hpj.section("MAP")));
}

}  // namespace

ProjectInput read_project_input(std::string_view path, std::string_view bytes) {
  ProjectInput in;
  in.path = std::string(path);
  in.directory = std::string(platform::directory_of(path));
  // The Windows 95 form collects every BMROOT line and leaves [WINDOWS] alone.
  project::FormContext context;
  context.project_path = in.path;
  context.form = project::FileForm::win95;
  project::ProjectData data;
  core::TopicFileList ignored;
  project::parse_project_text(bytes, context, data, ignored);

  const project::HpjText hpj(bytes);
  const project::ProjectFileModel& model = data.project;
  in.topic_files = section_entries(hpj, "FILES");
  in.roots = folder_list(model.root, in.directory);
  if (in.roots.empty()) in.roots.push_back(in.directory);
  in.bitmap_roots = folder_list(model.bitmap_roots, in.directory);
  in.bitmap_files = section_entries(hpj, "BITMAPS");
  in.windows = window_names(hpj);
  in.contents_topic = model.contents_topic;
  in.map_entries = map_definitions(hpj);
  if (!model.map_include.empty()) in.map_includes.push_back(model.map_include);
  for (const auto& name : project::root_folders(model.extra_includes)) in.map_includes.push_back(name);
  return in;
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
