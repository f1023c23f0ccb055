#include "platform/spool_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "platform/internal.h"
#include "platform/paths.h"

namespace platform {
namespace {

std::string temporary_folder() {
  const char* dir = std::getenv("TMPDIR");
  return dir && *dir ? dir : "/tmp";
}

// A file without a name where the file system allows it, else a named one
// unlinked at once.
int nameless_file(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) return fd;
  std::string name = folder + "/.tw-spool-XXXXXX";
  fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd >= 0) ::unlink(name.c_str());
  return fd;
}

}  // namespace

SpoolFile::~SpoolFile() { close(); }

bool SpoolFile::open() {
  close();
  // Beside the output when there is one: the bytes are on their way there,
  // and a small temporary folder does not cut a large run short.
  std::string output = internal::output_folder();
  if (!output.empty()) fd_ = nameless_file(output);
  if (fd_ < 0) fd_ = nameless_file(temporary_folder());
  return fd_ >= 0;
}

bool SpoolFile::open_in(std::string_view folder) {
  close();
  const std::string host = to_host_path(folder);
  if (!host.empty()) fd_ = nameless_file(host);
  if (fd_ < 0) fd_ = nameless_file(temporary_folder());
  return fd_ >= 0;
}

void SpoolFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  failed_ = false;
  written_ = 0;
  pending_.clear();
  pending_.shrink_to_fit();
  window_at_ = 0;
  window_.clear();
  window_.shrink_to_fit();
}

bool SpoolFile::append(std::string_view bytes) {
  if (fd_ < 0 || failed_) return false;
  pending_.append(bytes);
  return pending_.size() < kBufferBytes || flush();
}

bool SpoolFile::flush() {
  if (pending_.empty()) return !failed_;
  if (!internal::write_all(fd_, pending_)) failed_ = true;
  written_ += pending_.size();
  pending_.clear();
  return !failed_;
}

std::optional<std::string> SpoolFile::read(std::uint64_t offset, std::size_t size) {
  if (fd_ < 0 || failed_ || offset + size > this->size()) return std::nullopt;
  if (offset + size > written_ && !flush()) return std::nullopt;
  bool in_window = offset >= window_at_ && offset + size <= window_at_ + window_.size();
  if (!in_window) {
    std::size_t want = static_cast<std::size_t>(
        std::min<std::uint64_t>(std::max(size, kBufferBytes), written_ - offset));
    window_.resize(want);
    std::size_t got = 0;
    while (got < want) {
      ssize_t n = ::pread(fd_, window_.data() + got, want - got, static_cast<off_t>(offset + got));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    window_.resize(got);
    window_at_ = offset;
    if (got < size) return std::nullopt;
  }
  return window_.substr(static_cast<std::size_t>(offset - window_at_), size);
}

}  // namespace platform
