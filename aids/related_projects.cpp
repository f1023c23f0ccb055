#include "aids/related_projects.h"

#include "core/messages.h"
#include "core/project_paths.h"
#include "formats/hpj_text.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/project_state.h"

namespace aids {
namespace {

constexpr std::string_view kHeader = "\r\n; Tarvenwick Related Projects File\r\n\r\n[PROJECTS]\r\n\r\n";
constexpr std::string_view kUnableToOpen = "Unable to open file";

void erase_all(std::string& line, std::string_view what) {
  for (size_t at = line.find(what); at != std::string::npos; at = line.find(what)) line.erase(at, what.size());
}

}  // namespace

std::vector<RelatedProject> parse_related_projects(std::string_view bytes) {
  std::vector<RelatedProject> projects;
  const formats::HpjText file{std::string(bytes)};
  for (const auto& raw : file.section("PROJECTS")) {
    std::string line(text::trim(raw));
    erase_all(line, "[PROJECTS]");
    erase_all(line, "[Projects]");
    const size_t semicolon = line.find(';');
    RelatedProject p;
    p.path = platform::lower_unless_host_path(text::trim(std::string_view(line).substr(0, semicolon)));
    if (semicolon != std::string::npos) p.comment = line.substr(semicolon + 1);
    if (!p.path.empty()) projects.push_back(std::move(p));
  }
  return projects;
}

std::string render_related_projects(const std::vector<RelatedProject>& projects) {
  std::string out(kHeader);
  for (const auto& p : projects) out += p.path + ";" + p.comment + "\r\n";
  return out;
}

std::vector<RelatedProject> read_related_projects(std::string_view path) {
  if (text::trim(path).empty()) return {};
  auto bytes = platform::read_file(path);
  return bytes ? parse_related_projects(*bytes) : std::vector<RelatedProject>{};
}

bool write_related_projects(std::string_view path, const std::vector<RelatedProject>& projects) {
  return platform::write_file(path, render_related_projects(projects));
}

std::string related_project_name(std::string_view path) {
  std::string name(platform::file_name_of(path));
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

std::string related_project_path(const project::ProjectState& state, std::string_view listed) {
  if (platform::is_absolute(listed) || state.project_path.empty()) return std::string(listed);
  return platform::join_path(core::project_directory(state.project_path), listed);
}

std::string related_list_entry(const RelatedProject& project) {
  return related_project_name(project.path) + "\t\t" + project.comment;
}

std::string active_list_entry(std::string_view project_path) {
  return related_project_name(project_path) + "\t" + std::string(kActiveMark);
}

RelatedListing list_related_projects(project::ProjectState& state, const std::vector<RelatedProject>& projects) {
  RelatedListing listing;
  for (const auto& p : projects) {
    const std::string full = related_project_path(state, p.path);
    if (text::iequals(full, state.project_path)) continue;
    if (!platform::file_exists(full)) {
      core::show_message(state, kUnableToOpen, ui::kMbOk | ui::kMbIconExclamation, "");
      continue;
    }
    listing.entries.push_back(related_list_entry(p));
    listing.companions.push_back(related_project_name(p.path) + "\t" + full);
  }
  if (!state.project_path.empty()) {
    listing.entries.push_back(active_list_entry(state.project_path));
    listing.companions.push_back(related_project_name(state.project_path) + "\t" + state.project_path);
  }
  return listing;
}

}  // namespace aids
