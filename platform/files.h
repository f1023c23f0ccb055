// Files and folders. Every function takes system paths (see paths.h) and maps
// them itself. Nothing here throws; failures are reported by the result.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

std::optional<std::string> read_file(std::string_view path);
// Writes the whole file. An existing file is first renamed to a temporary name
// and removed only after the new content is complete, so a failed write keeps
// the old content (restored under its own name).
bool write_file(std::string_view path, std::string_view bytes);
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
// Plain copy; stands in for the expanding copy too. Overwrites the target.
bool copy_file(std::string_view from, std::string_view to);
bool create_directories(std::string_view path);
bool remove_directory_tree(std::string_view path);

// Names (without folder) of the regular files in pattern's folder whose names
// match the pattern's last component: '*' and '?' wildcards, case-insensitive.
std::vector<std::string> find_files(std::string_view pattern);

// An open file held with an exclusive advisory lock, as our own writers hold
// it. Opening a file another holder has locked reports a sharing violation.
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
