#include "project/files/data_file.h"

#include "project/project_state.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "core/settings.h"
#include "platform/files.h"
#include "platform/text.h"
#include "project/files/data_file_format.h"
#include "project/files/project_file.h"

namespace project {
namespace {

constexpr const char* kDamagedText =
    "The project data file %s is damaged (%s).  Its topic data was not loaded, and the file "
    "has been left as it is.";

// A project whose data file could not be used keeps working without its
// topic data, but nothing may be written over the files it came from.
void refuse_data(ProjectState& state) {
  reset_project_data(state.data);
  state.data.magic_ok = false;
}

void adopt(ProjectState& state, ProjectData&& data, const DataFileExtras& extras) {
  state.data = std::move(data);
  state.data.loaded_topic_count = state.data.topics.count();
  state.data.magic_ok = true;
  state.topic_files.clear();
  for (const auto& name : extras.topic_files) state.topic_files.add(name);
  // Windows 3.0 projects stay so; the other kinds start each session as 1.
  state.compiler_kind = extras.compiler_kind == 2 ? 2 : 1;
}

int report(ProjectState& state, const std::string& path, const DataReadResult& result) {
  if (result.status == DataReadStatus::wrong_magic) {
    core::show_message(state, "wrong code", ui::kMbOk, "");
  } else {
    core::show_message(state, text::format(kDamagedText, path.c_str(), result.error.c_str()),
                       ui::kMbOk | ui::kMbIconStop);
  }
  refuse_data(state);
  return 0;
}

}  // namespace

int LoadProjectData(ProjectState& state) {
  core::LoadProjectOptions(state);
  const std::string path = core::companion_file(state.project_path, ".twz");
  std::optional<platform::FileStamp> stamp;
  auto bytes = platform::read_file(path, &stamp);
  if (bytes || !platform::file_exists(path)) {
    note_loaded(state.disk.data_file, path, stamp);
  } else {
    note_unreadable(state.disk.data_file, path);
  }
  int result = 0;
  if (bytes) {
    ProjectData data;
    reset_project_data(data);
    DataFileExtras extras;
    DataReadResult read = parse_data_file(*bytes, data, extras);
    if (read.status == DataReadStatus::ok) {
      adopt(state, std::move(data), extras);
      result = 1;
    } else {
      report(state, path, read);
    }
  }
  ReadProjectFile(state);
  state.data_dirty = false;
  return result;
}

int SaveProjectData(ProjectState& state) {
  core::SaveProjectOptions(state);
  if (!state.data_dirty) return 1;
  const ProjectData& data = state.data;
  if (!data.magic_ok || data.topics.count() < data.loaded_topic_count) return 0;
  const std::string path = core::companion_file(state.project_path, ".twz");
  std::optional<platform::FileStamp> written;
  auto status = platform::write_file_if(
      path, render_data_file(data, state.topic_files, state.compiler_kind),
      [&](const auto& on_disk) { return may_replace(state.disk.data_file, path, on_disk); },
      &written);
  if (status == platform::WriteStatus::changed_on_disk) tell_changed_on_disk(state);
  if (status != platform::WriteStatus::written) return 0;
  note_loaded(state.disk.data_file, path, written);
  state.data_dirty = false;
  if (!state.win95_compiler) return WriteProjectFile(state, 0, state.project_path);
  return 1;
}

}  // namespace project
