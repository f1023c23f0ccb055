// A nameless scratch file for a run's intermediate bytes: written once in
// order, read back by range. It has no name in any folder, so nothing is
// left behind when the process ends, however it ends.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class SpoolFile {
 public:
  // Writes are gathered to this size before they go to the file, and reads
  // fetch at least this much, so that pieces read back in the order they
  // were written cost one read per buffer, not one per piece.
  static constexpr std::size_t kBufferBytes = 256 * 1024;

  SpoolFile() = default;
  ~SpoolFile();
  SpoolFile(const SpoolFile&) = delete;
  SpoolFile& operator=(const SpoolFile&) = delete;

  // Makes the scratch file in the output folder, else the temporary folder
  // (emptying one already open); false when none can be made.
  bool open();
  // The same in the given folder (a system path), else the temporary folder.
  bool open_in(std::string_view folder);
  bool is_open() const { return fd_ >= 0; }
  void close();

  // Appends bytes; false once a write has failed.
  bool append(std::string_view bytes);
  // Bytes appended so far: the offset of the next append.
  std::uint64_t size() const { return written_ + pending_.size(); }
  // The size bytes at offset; nullopt when they were never appended or
  // cannot be read back.
  std::optional<std::string> read(std::uint64_t offset, std::size_t size);

 private:
  bool flush();

  int fd_ = -1;
  bool failed_ = false;
  std::uint64_t written_ = 0;  // bytes in the file
  std::string pending_;        // appended, not yet in the file
  std::uint64_t window_at_ = 0;
  std::string window_;         // the bytes last read, from window_at_
};

}  // namespace platform
