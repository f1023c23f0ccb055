#include "project/files/project_update.h"

#include <algorithm>
#include <functional>

#include "project/project_state.h"
#include "formats/hpj_text.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "project/files/project_file.h"

namespace project {
namespace {

// Help Workshop's project may hold a key more than once (BMROOT does).
constexpr int kMaxRepeatedKeys = 64;

const char* const kCompressNames[] = {"OFF", "MEDIUM", "HIGH"};

struct OptionKey {
  const char* key;
  std::function<std::string(const ProjectFileModel&)> value;
};

// The [OPTIONS] keys the dialogs edit, as the file holds them.
std::vector<OptionKey> option_keys() {
  return {
      {"TITLE", [](const ProjectFileModel& m) { return m.title; }},
      {"CONTENTS", [](const ProjectFileModel& m) { return m.contents_topic; }},
      {"WARNING", [](const ProjectFileModel& m) { return text::format("%d", m.warning_level); }},
      {"COMPRESS",
       [](const ProjectFileModel& m) { return std::string(kCompressNames[std::clamp(m.compression, 0, 2)]); }},
      {"OLDKEYPHRASE",
       [](const ProjectFileModel& m) { return std::string(m.old_keyphrase ? "YES" : "NO"); }},
      {"COPYRIGHT", [](const ProjectFileModel& m) { return copyright_to_file(m.copyright); }},
      {"CITATION", [](const ProjectFileModel& m) { return m.citation; }},
      {"BUILD", [](const ProjectFileModel& m) { return m.build_expression; }},
      {"ICON", [](const ProjectFileModel& m) { return m.icon; }},
      {"OPTCDROM", [](const ProjectFileModel& m) { return std::string(m.cdrom ? "yes" : ""); }},
      {"LANGUAGE", [](const ProjectFileModel& m) { return m.language; }},
      {"FORCEFONT", [](const ProjectFileModel& m) { return m.force_font; }},
  };
}

// Deletes every occurrence of a key, then writes it once when it has a value.
void write_key(const std::string& path, const char* key, const std::string& value) {
  for (int i = 0; i < kMaxRepeatedKeys; ++i) {
    auto bytes = platform::read_file(path);
    if (!bytes || !formats::HpjText(*bytes).has_key("OPTIONS", key)) break;
    platform::write_profile_string("OPTIONS", key, std::nullopt, path);
  }
  if (!value.empty()) platform::write_profile_string("OPTIONS", key, value, path);
}

// The bitmap roots without the product's stock folder, which Help Workshop
// finds by itself.
std::string roots_for_help_workshop(const ProjectState& state, const ProjectFileModel& m) {
  const std::string stock = form_context(state).stock_bitmaps;
  std::string out;
  for (const auto& piece : text::split(m.bitmap_roots, ',')) {
    std::string_view dir = text::trim(piece);
    if (dir.empty() || (!stock.empty() && text::iequals(dir, stock))) continue;
    if (!out.empty()) out += ',';
    out += dir;
  }
  return out;
}

int store_win95(ProjectState& state, const ProjectFileModel& before) {
  const ProjectFileModel& m = state.data.project;
  const std::string& path = state.project_path;
  if (refuse_foreign_file(state, path)) return 0;
  for (const auto& k : option_keys()) {
    std::string now = k.value(m);
    if (now != k.value(before)) write_key(path, k.key, now);
  }
  if (m.bitmap_roots != before.bitmap_roots)
    write_key(path, "BMROOT", roots_for_help_workshop(state, m));
  platform::write_profile_string(std::nullopt, std::nullopt, std::nullopt, path);
  return ReplaceProjectSection(state, SectionKind::config);
}

}  // namespace

int StoreProjectOptions(ProjectState& state, const ProjectFileModel& before) {
  if (state.project_path.empty()) return 0;
  if (state.win95_compiler && state.compiler_kind != 2) return store_win95(state, before);
  return WriteProjectFile(state, 0, state.project_path);
}

int AddTAG(ProjectState& state, std::string_view tag) {
  if (!add_build_tag(state.data, tag)) return 0;
  state.data_dirty = true;
  if (state.project_path.empty()) return 1;
  if (state.win95_compiler && state.compiler_kind != 2) {
    ReplaceProjectSection(state, SectionKind::build_tags);
  } else {
    WriteProjectFile(state, 0, state.project_path);
  }
  return 1;
}

}  // namespace project
