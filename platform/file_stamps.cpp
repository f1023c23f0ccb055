// Versions of files on disk, and the rewrites this process made, so that a
// save can tell its own changes from another program's.
#include <deque>
#include <mutex>
#include <unordered_map>

#include "platform/internal.h"
#include "platform/paths.h"

namespace platform {
namespace {

// Rewrites remembered per file; older ones no longer matter to a save.
constexpr std::size_t kRememberedWrites = 16;

struct OwnWrite {
  std::optional<FileStamp> before;
  FileStamp after;
};

struct OwnWrites {
  std::mutex mutex;
  std::unordered_map<std::string, std::deque<OwnWrite>> by_file;
};

OwnWrites& own_writes() {
  static OwnWrites w;
  return w;
}

std::int64_t nanoseconds(const timespec& t) {
  return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

std::optional<FileStamp> host_stamp(const std::string& host) {
  struct stat st;
  if (host.empty() || ::stat(host.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return internal::stamp_of(st);
}

}  // namespace

FileStamp internal::stamp_of(const struct stat& st) {
  FileStamp s;
  s.device = static_cast<std::uint64_t>(st.st_dev);
  s.inode = static_cast<std::uint64_t>(st.st_ino);
  s.size = static_cast<std::uint64_t>(st.st_size);
  s.modified_ns = nanoseconds(st.st_mtim);
  s.changed_ns = nanoseconds(st.st_ctim);
  return s;
}

void internal::note_own_write(const std::string& host, const std::optional<FileStamp>& before,
                              const FileStamp& after) {
  OwnWrites& w = own_writes();
  std::lock_guard lock(w.mutex);
  auto& list = w.by_file[host];
  list.push_back({before, after});
  if (list.size() > kRememberedWrites) list.pop_front();
}

std::optional<FileStamp> file_stamp(std::string_view path) { return host_stamp(to_host_path(path)); }

bool changed_only_here(std::string_view path, const std::optional<FileStamp>& then) {
  const std::string host = to_host_path(path);
  std::optional<FileStamp> version = host_stamp(host);
  OwnWrites& w = own_writes();
  std::lock_guard lock(w.mutex);
  auto found = w.by_file.find(host);
  // Walk back from the version on disk through our own rewrites.
  for (std::size_t step = 0; step <= kRememberedWrites; ++step) {
    if (version == then) return true;
    if (!version || found == w.by_file.end()) return false;
    const OwnWrite* made = nullptr;
    for (const auto& write : found->second) {
      if (write.after == *version) made = &write;
    }
    if (!made) return false;
    version = made->before;
  }
  return false;
}

}  // namespace platform
