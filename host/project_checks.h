// Checks of a flow's inputs before anything is written: the help project,
// the output folder and the template.
#pragma once
#include <string>
#include <vector>

namespace host {

// True when the file (system path) is a help project: a readable ".hpj" file
// with at least one section ("[OPTIONS]", "[FILES]" ...).
bool is_help_project(const std::string& path);
// The message for a project argument that is not one ("not a help project: PATH").
std::string not_a_project_message(const std::string& typed);

// True when files can be created in the folder (system path; created first
// when missing).
bool folder_is_writable(const std::string& folder);

// The templates a publication can use (file names, sorted): those of the
// installation folder and of the shipped data.
std::vector<std::string> template_names();
// The template file (system path) for a name, "" when there is none.
std::string template_path(const std::string& name);

}  // namespace host
