// Single sections of a project file: replacing, removing, copying and
// listing them. Projects of the Windows 95 compiler keep everything Help
// Workshop wrote; only the section at hand is rewritten.
#include <algorithm>

#include "project/project_state.h"
#include "core/settings.h"
#include "formats/hpj_kind.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "project/files/config_macros.h"
#include "project/files/file_rewrite.h"
#include "project/files/kept_lines.h"
#include "project/files/project_file.h"
#include "project/files/window_records.h"

namespace project {
namespace {

constexpr const char* kSectionNames[] = {"CONFIG", "FILES", "ALIAS", "MAP", "BUILDTAGS"};

struct NewSection {
  std::string text;     // "\n" line ends
  bool reread = false;  // extension lines were added: the model must learn them
};

bool has_doc_only_exclude(const formats::HpjText& hpj) {
  auto lines = hpj.section("EXCLUDE");
  return std::any_of(lines.begin(), lines.end(),
                     [](const std::string& l) { return text::iequals(text::trim(l), "DOC_ONLY"); });
}

void add_extension(NewSection& s, bool wanted, std::string_view macros, std::string_view marker,
                   std::string_view setting) {
  if (!wanted || !extension_needed(macros, marker, setting)) return;
  s.text += extension_lines(setting);
  s.reread = true;
}

NewSection config_section(ProjectState& state, const formats::HpjText& hpj) {
  const ProjectFileModel& m = state.data.project;
  NewSection s;
  s.text = "\n[CONFIG]\n" + macros_to_config_lines(m.config_macros) + "\n";
  s.text += m.format_comments + m.window_comments;
  add_extension(s, m.slide_shows, m.config_macros, "sldshw", state.settings.slide_show32);
  add_extension(s, m.sound, m.config_macros, "sndPlaySound", state.settings.sound32);
  if (state.options.doc_only_tags == kDocOnlyRequested) {
    if (!has_doc_only_exclude(hpj)) s.text += "[EXCLUDE]\nDOC_ONLY\n";
    state.options.doc_only_tags = kDocOnlyWritten;
    core::write_project_int(core::option_file_path(state.project_path), "doc only tags",
                            kDocOnlyWritten);
  }
  return s;
}

NewSection files_section(const ProjectState& state) {
  NewSection s;
  s.text = "\n[FILES]\n" + formats::join_lines(files_section_lines(state.data.project, state.topic_files));
  return s;
}

NewSection alias_section(const ProjectFileModel& m) {
  NewSection s;
  s.text = m.alias_header.empty() ? std::string("\n[ALIAS]\n") : m.alias_header;
  s.text += m.alias_lines;
  return s;
}

// Name-and-number lines of the old [MAP] stay behind the includes.
NewSection map_section(const ProjectFileModel& m, const formats::HpjText& hpj) {
  NewSection s;
  s.text = "\n[MAP]\n" + map_include_lines(m) +
           formats::join_lines(hpj.copy_section("MAP", formats::CopyMode::without_includes));
  return s;
}

NewSection build_tags_section(const ProjectState& state) {
  NewSection s;
  s.text = "\n[BUILDTAGS]\n";
  if (state.options.doc_only_tags != kDocOnlyNone) s.text += "DOC_ONLY\n";
  s.text += formats::join_lines(state.data.build_tags);
  return s;
}

bool wants_replacement(const ProjectFileModel& m, SectionKind kind) {
  if (kind == SectionKind::alias) return m.alias_taken_over;
  if (kind == SectionKind::map) return !m.map_include.empty() || !m.extra_includes.empty();
  return true;
}

}  // namespace

int ReplaceProjectSection(ProjectState& state, SectionKind kind) {
  const std::string& path = state.project_path;
  if (path.empty()) return 0;
  if (!wants_replacement(state.data.project, kind)) return 1;
  if (refuse_foreign_file(state, path)) return 0;
  platform::write_profile_string(std::nullopt, std::nullopt, std::nullopt, path);
  FileRewrite rewrite(path);
  if (!rewrite.previous()) return 0;
  const formats::HpjText hpj(*rewrite.previous());
  NewSection section;
  switch (kind) {
    case SectionKind::config:
      section = config_section(state, hpj);
      break;
    case SectionKind::files:
      section = files_section(state);
      break;
    case SectionKind::alias:
      section = alias_section(state.data.project);
      break;
    case SectionKind::map:
      section = map_section(state.data.project, hpj);
      break;
    case SectionKind::build_tags:
      section = build_tags_section(state);
      break;
  }
  std::string bytes = formats::remove_section_text(*rewrite.previous(), kSectionNames[static_cast<int>(kind)]);
  if (!bytes.empty() && bytes.back() != '\n') bytes += '\n';
  bytes = keep_comment_lines(formats::with_line_ends(bytes, "\n") + section.text, hpj);
  auto status = rewrite.commit(formats::with_line_ends(bytes, line_end_for(rewrite.previous())));
  if (status == platform::WriteStatus::changed_on_disk) tell_changed_on_disk(state);
  if (status != platform::WriteStatus::written) return 0;
  if (section.reread) ReadProjectFile(state);
  return 1;
}

int RemoveSection(std::string_view path, std::string_view section) {
  auto bytes = platform::read_file(path);
  if (bytes && !formats::is_help_project_text(*bytes)) return 0;
  FileRewrite rewrite(path);
  if (!rewrite.previous()) return 0;
  auto status = rewrite.commit(formats::remove_section_text(*rewrite.previous(), section));
  return status == platform::WriteStatus::written ? 1 : 0;
}

int CopySection(std::string_view file, std::string_view section, std::string& out, int mode) {
  auto bytes = platform::read_file(file);
  if (!bytes) return 0;
  const formats::HpjText hpj(*bytes);
  if (!hpj.has_section(section)) return 0;
  out = formats::join_lines(hpj.copy_section(section, static_cast<formats::CopyMode>(std::clamp(mode, 0, 3))));
  return 1;
}

int ListWindowNames(ui::Dialog& dialog, int combo_id, std::string_view path, int mode) {
  auto bytes = platform::read_file(path);
  if (mode == 0) dialog.add_item(combo_id, "main");
  if (!bytes) return mode == 0 ? 1 : 0;
  int count = mode == 0 ? 1 : 0;
  for (const auto& raw : formats::HpjText(*bytes).section(mode == 0 ? "WINDOWS" : "POPUPS")) {
    std::string_view line = text::trim(raw);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    std::string name = window_name_of(line);
    if (name.empty() || (mode == 0 && text::iequals(name, "main"))) continue;
    dialog.add_item(combo_id, name);
    ++count;
  }
  return count;
}

}  // namespace project
