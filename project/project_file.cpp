// A first project-file reader and writer: the [OPTIONS] essentials and the
// [FILES] list, enough to create and reopen a project.
#include "project/project_file.h"

#include "core/library_state.h"
#include "core/project_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace project {
namespace {

bool is_section_line(std::string_view line) { return !line.empty() && line.front() == '['; }

std::string files_section(const core::LibraryState& state) {
  std::string out = "[FILES]\n";
  for (const auto& name : state.topic_files.names()) out += name + "\n";
  return out;
}

}  // namespace

int WriteProjectFile(core::LibraryState& state, std::int32_t window, std::string_view path) {
  std::string out = ";\n[OPTIONS]\n";
  out += "ROOT=" + core::project_directory(path) + "\n";
  out += "ERRORLOG=" + platform::replace_extension(path, ".log") + "\n";
  out += "\n" + files_section(state);
  return platform::write_file(path, out) ? 1 : 0;
}

int ReadProjectFile(core::LibraryState& state) {
  auto bytes = platform::read_file(state.project_path);
  if (!bytes) return platform::is_locked_by_other(state.project_path) ? 0 : 1;
  state.topic_files.clear();
  bool in_files = false;
  for (const auto& raw : text::split_lines(*bytes)) {
    std::string_view line = text::trim(raw);
    if (is_section_line(line)) {
      in_files = text::iequals(line, "[FILES]");
      continue;
    }
    if (!in_files || line.empty() || line.front() == ';') continue;
    state.topic_files.add(line);
  }
  return 1;
}

int ReplaceFilesSection(core::LibraryState& state) {
  auto bytes = platform::read_file(state.project_path);
  if (!bytes) return 0;
  std::string out;
  bool skipping = false, written = false;
  for (const auto& line : text::split_lines(*bytes)) {
    if (is_section_line(line)) {
      skipping = text::iequals(text::trim(line), "[FILES]");
      if (skipping && !written) {
        out += files_section(state);
        written = true;
      }
      if (skipping) continue;
    }
    if (!skipping) out += line + "\n";
  }
  if (!written) out += "\n" + files_section(state);
  return platform::write_file(state.project_path, out) ? 1 : 0;
}

}  // namespace project
