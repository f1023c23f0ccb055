// The project data file (.twz) and its backup copy (.twk), kept in step at
// every settings load.
#pragma once
#include <string>
#include <string_view>

namespace project {

struct ProjectState;

enum class BackupOutcome {
  none,                // no data file and no backup
  refreshed,           // the backup is now a copy of the data file
  restored,            // the data file had shrunk (or was missing): the backup replaced it
  restored_damaged,    // the data file did not read whole: the backup replaced it
  left_damaged,        // neither reads whole: both left as they are
};

// The backup is refreshed from the data file only when the data file reads
// whole and did not shrink by more than 20 bytes; otherwise the backup
// replaces the data file. A damaged data file never replaces the backup.
// damage (when given) receives why the data file did not read whole.
BackupOutcome reconcile_data_backup(std::string_view project_path, std::string* damage = nullptr);

// The same at a settings load, telling the user when a damaged data file
// was replaced by its backup.
void ReconcileDataBackup(ProjectState& state);

}  // namespace project
