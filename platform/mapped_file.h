// A file read through a read-only memory map, for readers that walk a large
// input once from start to end: the pages behind the reader can be given
// back as it goes, so its memory does not grow with the file. Where the file
// cannot be mapped (an empty file, a pipe, a file system without maps) it
// is read whole instead, and giving pages back does nothing.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class MappedFile {
 public:
  // The file at path (as read_file takes it); nullopt when it cannot be
  // opened or read, as read_file gives.
  static std::optional<MappedFile> open(std::string_view path);

  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&& other) noexcept;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  // The whole file; valid while this object lives, whatever was released.
  std::string_view view() const;
  // Whether the bytes come from a map (else from a copy read whole).
  bool mapped() const { return map_ != nullptr; }
  // Gives back the whole pages before offset. The view stays valid: a
  // released page is read again from the file when something looks at it.
  void release_before(std::size_t offset);
  // Bytes given back so far (whole pages).
  std::size_t released() const { return released_; }

 private:
  MappedFile() = default;
  void unmap();

  void* map_ = nullptr;
  std::size_t size_ = 0;
  std::size_t released_ = 0;
  std::string copy_;  // the bytes, when not mapped
};

}  // namespace platform
