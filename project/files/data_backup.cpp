#include "project/files/data_backup.h"

#include "project/project_state.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/files/data_file_format.h"

namespace project {
namespace {

constexpr std::uint64_t kShrinkAllowance = 20;

constexpr const char* kRestoredText =
    "The project data file %s could not be read whole (%s).  It has been replaced by its "
    "backup %s; changes saved since that backup was made are lost.";

// Why the file does not read whole, or "" when it does.
std::string damage_of(const std::string& path) {
  auto bytes = platform::read_file(path);
  if (!bytes) return "it cannot be read";
  project::ProjectData data;
  project::reset_project_data(data);
  project::DataFileExtras extras;
  auto result = project::parse_data_file(*bytes, data, extras);
  if (result.status == project::DataReadStatus::wrong_magic) return "wrong code";
  return result.status == project::DataReadStatus::ok ? std::string() : result.error;
}

}  // namespace

BackupOutcome reconcile_data_backup(std::string_view project_path, std::string* damage) {
  const std::string data = core::companion_file(project_path, ".twz");
  const std::string backup = core::companion_file(project_path, ".twk");
  const bool have_data = platform::file_exists(data);
  const bool have_backup = platform::file_exists(backup);
  if (!have_data) {
    if (!have_backup) return BackupOutcome::none;
    return platform::copy_file(backup, data) ? BackupOutcome::restored : BackupOutcome::none;
  }
  const auto data_size = platform::file_size(data).value_or(0);
  const auto backup_size = platform::file_size(backup).value_or(0);
  if (have_backup && backup_size > data_size + kShrinkAllowance) {
    platform::copy_file(backup, data);
    return BackupOutcome::restored;
  }
  const std::string data_damage = damage_of(data);
  if (damage) *damage = data_damage;
  if (data_damage.empty()) {
    platform::copy_file(data, backup);
    return BackupOutcome::refreshed;
  }
  if (!have_backup || !damage_of(backup).empty()) return BackupOutcome::left_damaged;
  return platform::copy_file(backup, data) ? BackupOutcome::restored_damaged
                                           : BackupOutcome::left_damaged;
}

void ReconcileDataBackup(ProjectState& state) {
  std::string damage;
  if (reconcile_data_backup(state.project_path, &damage) != BackupOutcome::restored_damaged) return;
  const std::string data = core::companion_file(state.project_path, ".twz");
  const std::string backup = core::companion_file(state.project_path, ".twk");
  show_message(state,
               text::format(kRestoredText, platform::to_host_path(data).c_str(), damage.c_str(),
                            platform::to_host_path(backup).c_str()),
               ui::kMbOk | ui::kMbIconExclamation);
}

}  // namespace project
