// The help file's container: a 16-byte file header, then each internal file
// behind its 9-byte header (space reserved, space used, flags), and the
// directory, a B+ tree of internal file names and offsets in name order.
// Files are written back to back: no free list.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hlp {

inline constexpr std::uint32_t kHelpFileMagic = 0x00035F3F;
inline constexpr std::size_t kFileHeaderSize = 16;
inline constexpr std::size_t kInternalHeaderSize = 9;
inline constexpr std::uint8_t kInternalFileFlags = 4;

// Writes an internal file's bytes in pieces through the sink it is given;
// false when it cannot.
using FileBody = std::function<bool(const std::function<bool(std::string_view)>& sink)>;

class FileSystemWriter {
 public:
  enum class Written { done, too_large, failed };

  // Adds or replaces an internal file.
  void add(std::string name, std::string bytes);
  // An internal file too large to hold, written by body when its turn comes;
  // body writes exactly size bytes.
  void add_streamed(std::string name, std::uint64_t size, FileBody body);
  // Writes the whole help file through sink. too_large: a name is too long
  // for a directory page or the file passes 4 GB; failed: a body or the sink
  // failed (what was written is then incomplete).
  Written write(const std::function<bool(std::string_view)>& sink) const;
  // The whole help file in memory; nullopt when write() would not finish.
  std::optional<std::string> render() const;

 private:
  struct Entry {
    std::uint64_t size = 0;
    std::string bytes;  // unless streamed
    FileBody body;
  };
  // Ordered by name as the directory wants them (byte order).
  std::map<std::string, Entry> files_;
};

struct InternalFile {
  std::string name;
  std::uint32_t offset = 0;  // of its 9-byte header in the help file
  std::uint32_t size = 0;    // bytes used, without the header
};

// Our reader of the container: the directory's entries, in its order, and
// any file's bytes. Damaged input gives nullopt, never a read past the end.
class FileSystemReader {
 public:
  static std::optional<FileSystemReader> open(std::string_view help_file);
  const std::vector<InternalFile>& files() const { return files_; }
  // The file's bytes (without its header); nullopt when there is no such file.
  std::optional<std::string_view> file(std::string_view name) const;

 private:
  std::string_view data_;
  std::vector<InternalFile> files_;
};

}  // namespace hlp
