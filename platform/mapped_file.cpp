// The map is private and read-only, so nothing we do changes the file and
// a page dropped with MADV_DONTNEED comes back from the file (the page
// cache) on the next look. A file changed by someone else while it is
// mapped shows its new bytes; the readers that use this read a topic file
// once, as they would read it whole.
#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

#include "platform/internal.h"
#include "platform/paths.h"

namespace platform {

std::optional<MappedFile> MappedFile::open(std::string_view path) {
  const std::string host = to_host_path(path);
  if (host.empty()) return std::nullopt;
  internal::Fd fd(::open(host.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return std::nullopt;
  struct stat st;
  if (::fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  MappedFile file;
  if (S_ISREG(st.st_mode) && st.st_size > 0) {
    const auto size = static_cast<std::size_t>(st.st_size);
    void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
    if (map != MAP_FAILED) {
      ::madvise(map, size, MADV_SEQUENTIAL);
      file.map_ = map;
      file.size_ = size;
      return file;
    }
  }
  std::optional<std::string> bytes = internal::read_host_file(host);
  if (!bytes) return std::nullopt;
  file.copy_ = std::move(*bytes);
  return file;
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : map_(std::exchange(other.map_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      released_(std::exchange(other.released_, 0)),
      copy_(std::move(other.copy_)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
  if (this != &other) {
    unmap();
    map_ = std::exchange(other.map_, nullptr);
    size_ = std::exchange(other.size_, 0);
    released_ = std::exchange(other.released_, 0);
    copy_ = std::move(other.copy_);
  }
  return *this;
}

MappedFile::~MappedFile() { unmap(); }

void MappedFile::unmap() {
  if (map_) ::munmap(map_, size_);
  map_ = nullptr;
  size_ = 0;
}

std::string_view MappedFile::view() const {
  if (map_) return std::string_view(static_cast<const char*>(map_), size_);
  return copy_;
}

void MappedFile::release_before(std::size_t offset) {
  if (!map_) return;
  const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  const std::size_t end = std::min(offset, size_) / page * page;
  if (end <= released_) return;
  // Only the new stretch is asked for; a page read again after its release
  // stays until the map goes. The advice failing changes nothing we read,
  // so it is not asked again for the same stretch.
  ::madvise(static_cast<char*>(map_) + released_, end - released_, MADV_DONTNEED);
  released_ = end;
}

}  // namespace platform
