#include "project/files/disk_versions.h"

namespace project {

void note_loaded(LoadedVersion& version, std::string_view path,
                 const std::optional<platform::FileStamp>& stamp) {
  version.path = std::string(path);
  version.known = LoadedVersion::Known::read;
  version.stamp = stamp;
}

void note_unreadable(LoadedVersion& version, std::string_view path) {
  version.path = std::string(path);
  version.known = LoadedVersion::Known::unreadable;
  version.stamp.reset();
}

bool may_replace(const LoadedVersion& version, std::string_view path,
                 const std::optional<platform::FileStamp>& on_disk) {
  if (!on_disk) return true;  // nothing there to lose
  if (version.path != path || version.known == LoadedVersion::Known::nothing) return true;
  if (version.known == LoadedVersion::Known::unreadable) return false;
  return on_disk == version.stamp || platform::changed_only_here(path, version.stamp);
}

}  // namespace project
