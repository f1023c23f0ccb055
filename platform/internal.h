// Helpers shared by the platform's own modules; not for the layers above.
#pragma once
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace platform::internal {

// Closes a descriptor when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { reset(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  Fd(Fd&& other) noexcept : fd_(other.release()) {}
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  void reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Gives up ownership without closing.
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }
  // Closes now and reports whether the close succeeded.
  bool close() {
    int fd = release();
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Writes every byte (retrying short writes); false on an error.
bool write_all(int fd, std::string_view bytes);

// mkdir -p of a host path; true when the folder exists afterwards.
bool make_host_directories(const std::string& host);

// Whole-file read of a host path; stamp (when given) receives its version.
std::optional<std::string> read_host_file(const std::string& host,
                                          std::optional<FileStamp>* stamp = nullptr);

enum class LockKind { shared, exclusive };
// Takes an advisory lock on an open file, waiting up to lock_wait() for
// another holder; false when the wait ran out or the lock failed.
bool lock_descriptor(int fd, LockKind kind);
// Takes the exclusive lock without waiting.
bool try_lock_exclusive(int fd);

// The file a host path names, opened for reading and locked. A rewrite may
// replace the file between the open and the lock; the lock is then taken
// again on the new file.
class PathLock {
 public:
  enum class Status { locked, absent, busy, failed };
  PathLock(const std::string& host, LockKind kind);
  Status status() const { return status_; }
  bool locked() const { return status_ == Status::locked; }
  int fd() const { return fd_.get(); }
  // The locked file (valid while locked()).
  const struct stat& info() const { return info_; }

 private:
  Fd fd_;
  Status status_ = Status::failed;
  struct stat info_ {};
};

FileStamp stamp_of(const struct stat& st);

// The host path of a new file in the run's output folder whose name the
// folder's trusted listing (folder_cache.h, trust_listing_of) holds in no
// spelling: creating it needs no look at the folder. nullopt for any other
// path, which resolves as to_host_path does.
std::optional<std::string> fresh_output_path(std::string_view path);

// True when host is a symbolic link inside the output folder (see
// output_folder.h): writers replace it instead of writing through it.
bool is_output_link(const std::string& host);
// The output folder's host path ("" when none is set).
std::string output_folder();
// Notes that this process replaced version `before` of host by `after`.
void note_own_write(const std::string& host, const std::optional<FileStamp>& before,
                    const FileStamp& after);

struct ReplaceOptions {
  Durability durability = Durability::flushed;
  const StillCurrent* still_current = nullptr;  // none: always replace
  bool lock_held = false;  // the caller holds the writer's lock on host already
};
// Removes what killed rewrites of the file left beside it, for a save that
// finds nothing to change and so writes nothing.
void remove_rewrite_leftovers(const std::string& host);

// The one way an existing file is rewritten (see write_file).
WriteStatus replace_host_file(const std::string& host, std::string_view bytes,
                              const ReplaceOptions& options,
                              std::optional<FileStamp>* written = nullptr);

// Notes one line in the UI host's transcript.
void note(std::string_view line);

}  // namespace platform::internal
