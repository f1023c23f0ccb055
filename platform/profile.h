// The Windows private-profile (INI) functions with their Windows semantics.
// A null pointer argument of the originals is std::nullopt here.
//
//  - sections and keys compare without case; ';' lines are comments;
//  - values are trimmed and one pair of enclosing quotes (" or ') is dropped;
//  - a missing file, section or key yields the default (trimmed at the right);
//  - a null section lists the section names, a null key the section's keys,
//    each followed by '\0' (the list ends with a second '\0');
//  - a write with a null key deletes the section, with a null value the key;
//    all-null flushes; a write creates the file and the section;
//  - a bare file name (no separator) means the Windows directory;
//  - writes keep the order of untouched lines and the file's line ending.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace platform {

using Nullable = std::optional<std::string_view>;

// Copies at most size-1 bytes into out and returns the count, as
// GetPrivateProfileStringA does (size-1 when the value was cut, size-2 when a
// list was cut). size 0 yields 0 and an empty out.
// A list in out: the names (sections without duplicates, in file order; keys
// of the first section of that name), each followed by '\0', then one more
// '\0'; a cut list holds size bytes: size-2 of the names, then "\0\0". A
// null key on a missing or empty section yields the default, as on Windows.
int get_profile_string(Nullable section, Nullable key, std::string_view default_value,
                       std::string& out, int size, std::string_view file);

// Convenience: the value (cut to size-1 bytes) as a string.
std::string get_profile_string(std::string_view section, std::string_view key,
                               std::string_view default_value, int size,
                               std::string_view file);

// Leading decimal integer of the value (with sign); the default when the key
// is missing or its value empty; 0 when the value does not start with a number.
int get_profile_int(std::string_view section, std::string_view key, int default_value,
                    std::string_view file);

// Returns false when the file cannot be written. The file is replaced whole
// (see write_file); unflushed suits keys the run itself writes many of.
bool write_profile_string(Nullable section, Nullable key, Nullable value,
                          std::string_view file, Durability durability = Durability::flushed);

// Gathers every profile write to one file made while it lives (in this
// process) and writes the file once, so that a save of many keys leaves the
// old or the new file whole. Reads see the gathered changes. The writer's
// lock is held meanwhile; batches on one file nest.
class ProfileBatch {
 public:
  explicit ProfileBatch(std::string_view file);
  ~ProfileBatch();  // commits
  ProfileBatch(const ProfileBatch&) = delete;
  ProfileBatch& operator=(const ProfileBatch&) = delete;
  // Writes the gathered changes; false when the file could not be written
  // (or locked at the start). Later calls do nothing.
  bool commit();

 private:
  std::string host_;
  bool done_ = false;
  bool failed_ = false;
};

// Reads of one file made while it lives (in this process) all answer from
// one look at the file, so that a record read key by key is read once and
// is consistent. The process's own writes meanwhile are seen; another
// program's are seen after the scope ends. Scopes on one file nest.
class ProfileReading {
 public:
  explicit ProfileReading(std::string_view file);
  ~ProfileReading();
  ProfileReading(const ProfileReading&) = delete;
  ProfileReading& operator=(const ProfileReading&) = delete;

 private:
  std::string host_;
};

// The host path a profile file name refers to (bare names: Windows directory).
std::string profile_file_path(std::string_view file);

}  // namespace platform
