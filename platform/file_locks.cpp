// Advisory locks between processes: our readers and writers hold one on a
// file only while they read or replace it, and wait a bounded time for
// another holder instead of failing at once.
#include <fcntl.h>
#include <sys/file.h>

#include <atomic>
#include <cerrno>
#include <thread>

#include "platform/internal.h"

namespace platform {
namespace {

std::atomic<long long> wait_ms{3000};
constexpr auto kRetryPause = std::chrono::milliseconds(5);
// A file replaced this many times while we tried to lock it is left alone.
constexpr int kReplacedRetries = 50;

int try_lock(int fd, int operation) {
  int rc;
  do {
    rc = ::flock(fd, operation | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  return rc;
}

}  // namespace

void set_lock_wait(std::chrono::milliseconds wait) { wait_ms = wait.count(); }

std::chrono::milliseconds lock_wait() { return std::chrono::milliseconds(wait_ms.load()); }

bool internal::try_lock_exclusive(int fd) { return try_lock(fd, LOCK_EX) == 0; }

bool internal::lock_descriptor(int fd, LockKind kind) {
  const int operation = kind == LockKind::shared ? LOCK_SH : LOCK_EX;
  const auto deadline = std::chrono::steady_clock::now() + lock_wait();
  for (;;) {
    if (try_lock(fd, operation) == 0) return true;
    if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kRetryPause);
  }
}

internal::PathLock::PathLock(const std::string& host, LockKind kind) {
  for (int attempt = 0; attempt < kReplacedRetries; ++attempt) {
    Fd fd(::open(host.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
      status_ = (errno == ENOENT || errno == ENOTDIR) ? Status::absent : Status::failed;
      return;
    }
    if (!lock_descriptor(fd.get(), kind)) {
      status_ = errno == EWOULDBLOCK ? Status::busy : Status::failed;
      return;
    }
    struct stat now;
    if (::fstat(fd.get(), &info_) != 0 || ::stat(host.c_str(), &now) != 0) {
      if (errno == ENOENT) continue;  // replaced and gone: look again
      status_ = Status::failed;
      return;
    }
    if (now.st_ino != info_.st_ino || now.st_dev != info_.st_dev) continue;
    fd_.reset(fd.release());
    status_ = Status::locked;
    return;
  }
  status_ = Status::busy;
}

}  // namespace platform
