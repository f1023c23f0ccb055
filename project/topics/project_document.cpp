#include "project/topics/project_document.h"

#include "project/project_state.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "project/files/project_file.h"

namespace project {
namespace {

constexpr int kAddDocumentText = 10005;

// The ROOT folders of the project, in order; the project folder when none.
std::vector<std::string> root_folders(const ProjectState& state) {
  std::string roots = platform::get_profile_string("OPTIONS", "ROOT", "", 1024, state.project_path);
  std::vector<std::string> out;
  for (const auto& piece : text::split(roots, ',')) {
    auto dir = text::trim(piece);
    if (!dir.empty()) out.emplace_back(dir);
  }
  if (out.empty()) out.push_back(core::project_directory(state.project_path));
  return out;
}

// The document path lowered and made relative to the first root it lies in.
std::string project_entry(const ProjectState& state, std::string_view document) {
  std::string path = text::to_lower(document);
  for (const auto& root : root_folders(state)) {
    std::string prefix = text::to_lower(root);
    while (!prefix.empty() && platform::is_separator(prefix.back())) prefix.pop_back();
    if (prefix.empty() || path.size() <= prefix.size() + 1) continue;
    if (path.compare(0, prefix.size(), prefix) == 0 && platform::is_separator(path[prefix.size()])) {
      return path.substr(prefix.size() + 1);
    }
  }
  return path;
}

bool ask_to_add(ProjectState& state, std::string_view document) {
  std::string doc_name = platform::replace_extension(platform::file_name_of(document), ".doc");
  std::string question = text::format(core::resource_string(kAddDocumentText).c_str(), doc_name.c_str(),
                                      std::string(platform::file_name_of(state.project_path)).c_str());
  return show_message(state, question, ui::kMbOkCancel | ui::kMbIconQuestion) == ui::kIdOk;
}

bool add_to_project(ProjectState& state, const std::string& entry) {
  if (!state.topic_files.add(entry)) {
    show_message(state,
                 text::format("The project already has %d topic files, as many as its data file "
                              "can hold. %s was not added to the project.",
                              core::TopicFileList::kMaxNames, entry.c_str()),
                 ui::kMbOk | ui::kMbIconStop);
    return false;
  }
  state.current_file = state.topic_files.number(state.topic_files.count() - 1);
  state.data_dirty = true;
  if (state.win95_compiler) {
    project::ReplaceProjectSection(state, project::SectionKind::files);
  } else {
    project::WriteProjectFile(state, 0, state.project_path);
  }
  return true;
}

bool component_is_long(std::string_view name) {
  auto dot = name.rfind('.');
  std::string_view base = dot == std::string_view::npos ? name : name.substr(0, dot);
  std::string_view ext = dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
  return base.size() > 8 || ext.size() > 3;
}

}  // namespace

bool IsLongPath(std::string_view path) {
  if (path.find(' ') != std::string_view::npos) return true;
  size_t start = 0;
  if (path.size() >= 2 && path[1] == ':') start = 2;
  while (start < path.size()) {
    size_t end = start;
    while (end < path.size() && !platform::is_separator(path[end])) ++end;
    std::string_view part = path.substr(start, end - start);
    if (part != "." && part != ".." && component_is_long(part)) return true;
    start = end + 1;
  }
  return false;
}

bool AcceptLongPath(ProjectState& state, std::string_view path) {
  if (!IsLongPath(path)) return true;
  if (!state.win95_compiler) {
    show_message(state, "Long file and directory names are not allowed in Windows 3.1 help projects.",
                 ui::kMbOk | ui::kMbIconStop);
    return false;
  }
  switch (state.settings.long_names) {
    case 0:
      show_message(state, "Long file and directory names are not allowed.", ui::kMbOk | ui::kMbIconStop);
      return false;
    case 1:
      return show_message(state,
                          "Warning: You have used a long path name. You will NOT be able to use the "
                          "Windows 3.1 compiler with this project. Keep the name anyway?",
                          ui::kMbYesNo | ui::kMbIconExclamation) == ui::kIdYes;
    default:
      return true;
  }
}

bool CheckProjectDocument(ProjectState& state, std::string_view document) {
  std::string lowered = text::to_lower(text::trim(document));
  if (lowered.find(".rtf") == std::string::npos) return true;
  int index = state.topic_files.find_by_file_name(platform::file_name_of(lowered));
  if (index >= 0) {
    state.current_file = state.topic_files.number(index);
    return true;
  }
  // The entry as the compiler will see it, relative to its root folder, is
  // what must fit the short-name rules.
  std::string entry = project_entry(state, lowered);
  if (!state.import_flag) {
    if (!ask_to_add(state, lowered)) return false;
    if (!AcceptLongPath(state, entry)) return false;
  }
  return add_to_project(state, entry);
}

}  // namespace project
