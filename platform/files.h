// Files and folders. Every function takes system paths (see paths.h) and maps
// them itself. Nothing here throws; failures are reported by the result.
#pragma once
#include <cstddef>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Whether a rewrite waits until the new content is on disk (fsync of the file
// and its folder) before it counts as done. The run's own fresh output may
// skip that; an author's file never does.
enum class Durability { flushed, unflushed };

// Turns the flushing of rewrites off for the whole process (on by default).
// Only for programs whose files are thrown away (fuzzing harnesses): a kill
// still leaves each file old or new, but a power cut may not.
void set_flush_to_disk(bool on);

// What identifies one version of a file on disk: every rewrite makes a new
// file, so a stamp that still matches means nobody has replaced it since.
struct FileStamp {
  std::uint64_t device = 0, inode = 0, size = 0;
  std::int64_t modified_ns = 0, changed_ns = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the file a path names now; nullopt when there is none.
std::optional<FileStamp> file_stamp(std::string_view path);

// True when every change between the version `then` (nullopt: no file) and
// the file on disk now was a rewrite made by this process.
bool changed_only_here(std::string_view path, const std::optional<FileStamp>& then);

// How long a reader or writer waits for another holder's advisory lock
// before it gives up (our own writers hold theirs for milliseconds).
void set_lock_wait(std::chrono::milliseconds wait);
std::chrono::milliseconds lock_wait();

// Reads the whole file; stamp (when given) receives the version read.
std::optional<std::string> read_file(std::string_view path, std::optional<FileStamp>* stamp = nullptr);

// Replaces the whole file, never in place: the new content goes to a
// temporary file in the same folder, is flushed to disk, and is renamed over
// the old file, under the advisory lock our writers hold; a crash leaves the
// old or the new file whole. Permissions, and a symbolic link that stands
// for the file, survive.
bool write_file(std::string_view path, std::string_view bytes,
                Durability durability = Durability::flushed);

enum class WriteStatus { written, changed_on_disk, failed };
// Decides under the writer's lock whether the file on disk (nullopt: none)
// may be replaced.
using StillCurrent = std::function<bool(const std::optional<FileStamp>& on_disk)>;
// write_file that first asks still_current about the version on disk and
// leaves the file alone (changed_on_disk) when it says no; written (when
// given) receives the stamp of the new file.
WriteStatus write_file_if(std::string_view path, std::string_view bytes,
                          const StillCurrent& still_current,
                          std::optional<FileStamp>* written = nullptr);

bool append_file(std::string_view path, std::string_view bytes);

bool file_exists(std::string_view path);       // a regular file
bool directory_exists(std::string_view path);
std::optional<std::uint64_t> file_size(std::string_view path);
std::optional<std::int64_t> file_mtime(std::string_view path);  // seconds since 1970
// Fails for folders and for files another holder has locked.
bool remove_file(std::string_view path);
// Fails, as MoveFile does, when `to` names another existing file (a change
// of case of the same name is allowed) or when `from` is locked by another holder.
bool rename_file(std::string_view from, std::string_view to);
// Plain copy; stands in for the expanding copy too. Replaces the target as
// write_file does.
bool copy_file(std::string_view from, std::string_view to);
bool create_directories(std::string_view path);
bool remove_directory_tree(std::string_view path);

// Names (without folder) of the regular files in pattern's folder whose names
// match the pattern's last component: '*' and '?' wildcards, case-insensitive.
std::vector<std::string> find_files(std::string_view pattern);
// find_files with each file's modification time (seconds since 1970).
struct FoundFile {
  std::string name;
  std::int64_t modified = 0;
};
std::vector<FoundFile> find_files_with_times(std::string_view pattern);

// An open file held with an exclusive advisory lock, as our own writers hold
// it. Opening a file another holder keeps locked for longer than lock_wait()
// reports a sharing violation.
enum class OpenStatus { ok, not_found, sharing_violation, failed };
enum class OpenMode { read, write_truncate, read_write, append };

class ExclusiveFile {
 public:
  ~ExclusiveFile();
  ExclusiveFile(const ExclusiveFile&) = delete;
  ExclusiveFile& operator=(const ExclusiveFile&) = delete;

  static std::unique_ptr<ExclusiveFile> open(std::string_view path, OpenMode mode,
                                             OpenStatus& status);
  bool write(std::string_view bytes);
  std::optional<std::string> read_all();
  // Makes bytes the whole content of the file, in place (not a safe
  // rewrite: for a program's own output, not for the user's files).
  bool replace_all(std::string_view bytes);
  // The version of the open file.
  std::optional<FileStamp> stamp() const;

 private:
  explicit ExclusiveFile(int fd) : fd_(fd) {}
  int fd_;
};

// Reports whether another holder has the file locked (a sharing violation).
bool is_locked_by_other(std::string_view path);

// A file written from its start in pieces, as a stream: created or emptied
// under the exclusive lock our own writers hold, and written through a
// bounded buffer so that a writer never holds a whole file.
class FileWriter {
 public:
  // Bytes gathered before they are written through.
  static constexpr std::size_t kBufferBytes = 64000;

  FileWriter() = default;
  // Closes the file; use close() to learn whether everything was written.
  ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  // Creates or empties the file (closing one already open); false when it
  // cannot be opened or another holder has it locked.
  bool open(std::string_view path);
  bool is_open() const { return file_ != nullptr; }
  // Adds bytes to the file; false once a write has failed.
  bool write(std::string_view bytes);
  // Writes what is buffered through now; false once a write has failed.
  bool flush();
  // Writes what is buffered and closes the file; false when nothing was open
  // or any write failed.
  bool close();

 private:

  std::unique_ptr<ExclusiveFile> file_;
  std::string buffer_;
  bool failed_ = false;
};

// A regular file read in pieces from a given offset.
class FileReader {
 public:
  FileReader() = default;
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  // Opens a regular file (closing one already open) to read from offset;
  // false for a missing file or a folder.
  bool open(std::string_view path, std::uint64_t offset = 0);
  void close();
  bool is_open() const { return fd_ >= 0; }
  // Fills data with up to size bytes from the current position: fewer only
  // at the end of the file or on a read error (see failed()).
  std::size_t read(char* data, std::size_t size);
  // True once a read has failed.
  bool failed() const { return failed_; }

 private:
  int fd_ = -1;
  std::uint64_t position_ = 0;
  bool failed_ = false;
};

}  // namespace platform
