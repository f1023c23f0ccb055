// Files written and read in pieces, for the passes that stream large files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/paths.h"

namespace platform {

FileWriter::~FileWriter() { close(); }

bool FileWriter::open(std::string_view path) {
  close();
  failed_ = false;
  OpenStatus status = OpenStatus::failed;
  // Through the exclusive open, so that the new file is locked as our own
  // writers lock files and the folder's kept listing learns of it.
  file_ = ExclusiveFile::open(path, OpenMode::write_truncate, status);
  if (status != OpenStatus::ok) file_.reset();
  return file_ != nullptr;
}

bool FileWriter::write(std::string_view bytes) {
  if (file_ == nullptr || failed_) return false;
  buffer_.append(bytes);
  return buffer_.size() < kBufferBytes || flush();
}

bool FileWriter::flush() {
  if (file_ == nullptr) return false;
  if (!buffer_.empty() && !file_->write(buffer_)) failed_ = true;
  buffer_.clear();
  return !failed_;
}

bool FileWriter::close() {
  if (file_ == nullptr) return false;
  bool ok = flush();
  file_.reset();
  buffer_.clear();
  buffer_.shrink_to_fit();
  return ok;
}

FileReader::~FileReader() { close(); }

bool FileReader::open(std::string_view path, std::uint64_t offset) {
  close();
  std::string host = to_host_path(path);
  if (host.empty()) return false;
  int fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  position_ = offset;
  return true;
}

void FileReader::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  position_ = 0;
  failed_ = false;
}

std::size_t FileReader::read(char* data, std::size_t size) {
  if (fd_ < 0 || failed_) return 0;
  std::size_t got = 0;
  while (got < size) {
    ssize_t n = ::pread(fd_, data + got, size - got, static_cast<off_t>(position_));
    if (n < 0) {
      if (errno == EINTR) continue;
      failed_ = true;
      break;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
    position_ += static_cast<std::uint64_t>(n);
  }
  return got;
}

}  // namespace platform
