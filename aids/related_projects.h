// The related projects file (".rpj"): the other help projects of the
// author's work group, each with a comment.
//
//   (empty line)
//   ; Tarvenwick Related Projects File
//   (empty line)
//   [PROJECTS]
//   (empty line)
//   c:\help\one.hpj;Manual
//   two.hpj;
//
// Lines end in CR LF. Only the first ";" of a line separates path and
// comment, so a comment may hold ";" itself.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace project {
struct ProjectState;
}

namespace aids {

struct RelatedProject {
  std::string path;  // lower case, as the file keeps it (drive form)
  std::string comment;
  bool operator==(const RelatedProject&) const = default;
};

std::vector<RelatedProject> parse_related_projects(std::string_view bytes);
std::string render_related_projects(const std::vector<RelatedProject>& projects);
// The projects of a file; a missing or unreadable file has none.
std::vector<RelatedProject> read_related_projects(std::string_view path);
bool write_related_projects(std::string_view path, const std::vector<RelatedProject>& projects);

// A project's name in the lists: its file name without folder and extension.
std::string related_project_name(std::string_view path);
// Where a listed path lies: relative paths are taken from the current
// project's folder.
std::string related_project_path(const project::ProjectState& state, std::string_view listed);

// One entry of the list window: the name, a TAB, the empty date column, a
// TAB and the comment.
std::string related_list_entry(const RelatedProject& project);
// The current project's entry, listed last.
std::string active_list_entry(std::string_view project_path);
inline constexpr std::string_view kActiveMark = "<active>";

// The entries of the list window and their companions (name, TAB, full
// path): the file's projects that can be opened, the current project left
// out and added last. Each project that cannot be opened is reported with
// "Unable to open file" and left out.
struct RelatedListing {
  std::vector<std::string> entries;
  std::vector<std::string> companions;
};
RelatedListing list_related_projects(project::ProjectState& state, const std::vector<RelatedProject>& projects);

}  // namespace aids
