// The versions of the project file and data file that the library state
// last read or wrote, so that a save can tell whether another program has
// replaced a file since and must not write over it blindly.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace project {

struct LoadedVersion {
  enum class Known { nothing, read, unreadable };
  std::string path;  // the file the version belongs to
  Known known = Known::nothing;
  std::optional<platform::FileStamp> stamp;  // nullopt: there was no file
};

struct DiskVersions {
  LoadedVersion project_file;
  LoadedVersion data_file;
};

// Notes that the state now holds what path held at version stamp.
void note_loaded(LoadedVersion& version, std::string_view path,
                 const std::optional<platform::FileStamp>& stamp);
// Notes that path could not be read, so the state knows nothing of it.
void note_unreadable(LoadedVersion& version, std::string_view path);

// Whether the file on disk at path may be replaced from the state: it is
// the version the state holds (or has been changed only by this process),
// or there is no file. A file the state never looked at counts as current;
// one it could not read does not.
bool may_replace(const LoadedVersion& version, std::string_view path,
                 const std::optional<platform::FileStamp>& on_disk);

}  // namespace project
