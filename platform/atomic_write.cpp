// The one path by which a file is rewritten: new content in a temporary file
// beside the old one, flushed, then renamed over it, so that a crash at any
// moment leaves the old or the new file whole, never a mix or nothing. A file
// that does not exist yet has nothing to lose and is written in place.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

#include "platform/folder_cache.h"
#include "platform/internal.h"
#include "platform/paths.h"
#include "platform/replacing_file.h"

namespace platform {
namespace {

using internal::Fd;
using internal::FolderChange;
using internal::FolderLook;

constexpr std::string_view kTemporaryMark = ".tw~";

std::string folder_of(const std::string& host) {
  size_t slash = host.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : host.substr(0, slash);
}

std::string name_of(const std::string& host) {
  size_t slash = host.rfind('/');
  return slash == std::string::npos ? host : host.substr(slash + 1);
}

// Names of a rewrite's temporary file: hidden, beside the file, with the
// writer's process id so that leftovers of a killed writer can be told.
std::string temporary_prefix(const std::string& name) {
  return "." + name + std::string(kTemporaryMark);
}

std::string temporary_name(const std::string& host) {
  static std::atomic<unsigned> counter{0};
  std::string folder = folder_of(host);
  return folder + "/" + temporary_prefix(name_of(host)) + std::to_string(::getpid()) + "-" +
         std::to_string(counter.fetch_add(1));
}

// The file a rewrite replaces: for a symbolic link, the file it points to,
// so that the link stays a link; a link in the output folder is replaced.
std::string rewrite_target(const std::string& host) {
  struct stat st;
  if (::lstat(host.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return host;
  if (internal::is_output_link(host)) return host;
  char* real = ::realpath(host.c_str(), nullptr);
  if (!real) return host;
  std::string out = real;
  std::free(real);
  return out;
}

// Removes the temporary files that killed writers left beside target.
void remove_leftovers(const std::string& target) {
  const std::string folder = folder_of(target);
  const std::string prefix = temporary_prefix(name_of(target));
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (dirent* e = ::readdir(dir)) {
    std::string_view entry = e->d_name;
    if (entry.substr(0, prefix.size()) != prefix) continue;
    long pid = std::strtol(std::string(entry.substr(prefix.size())).c_str(), nullptr, 10);
    if (pid <= 0 || pid == ::getpid()) continue;
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;  // still writing
    ::unlink((folder + "/" + std::string(entry)).c_str());
  }
  ::closedir(dir);
}

bool sync_folder(const std::string& folder) {
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return dir.valid() && ::fsync(dir.get()) == 0;
}

// Gives the new file what the old one had: permissions and, where we may, owners.
void carry_over(int fd, const std::optional<struct stat>& old) {
  if (!old) return;
  ::fchmod(fd, old->st_mode & 07777);
  if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
    // Not ours to give away: the file stays ours, as a new file would.
  }
}

std::atomic<bool> flush_to_disk{true};

Durability effective(Durability asked) {
  return flush_to_disk.load(std::memory_order_relaxed) ? asked : Durability::unflushed;
}

struct NewVersion {
  Fd fd;
  std::string temp;
};

// Writes bytes to a locked temporary file beside target.
std::optional<NewVersion> write_temporary(const std::string& target, std::string_view bytes,
                                          const std::optional<struct stat>& old, Durability d) {
  NewVersion v;
  v.temp = temporary_name(target);
  v.fd.reset(::open(v.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, old ? 0600 : 0666));
  if (!v.fd.valid()) return std::nullopt;
  bool ok = internal::try_lock_exclusive(v.fd.get()) && internal::write_all(v.fd.get(), bytes);
  carry_over(v.fd.get(), old);
  if (ok && d == Durability::flushed) ok = ::fsync(v.fd.get()) == 0;
  if (!ok) {
    ::unlink(v.temp.c_str());
    return std::nullopt;
  }
  return v;
}

// A file that does not exist yet is written in place: there is no old
// version to keep whole, so no temporary, rename or look for leftovers is
// needed. O_EXCL refuses any entry that is there, a link included. nullopt
// when the name is taken or cannot be created here: the rewrite then decides.
std::optional<WriteStatus> create_new(const std::string& host, std::string_view bytes,
                                      Durability d, std::optional<FileStamp>* written) {
  auto change = FolderChange::of_entry(host, FolderLook::kept_listing);
  Fd fd(::open(host.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (!fd.valid()) return std::nullopt;
  change.added(change.entry());
  change.commit();
  bool ok = internal::try_lock_exclusive(fd.get()) && internal::write_all(fd.get(), bytes);
  if (ok && d == Durability::flushed) ok = ::fsync(fd.get()) == 0;
  if (!ok) {
    ::unlink(host.c_str());  // only what this call made
    return WriteStatus::failed;
  }
  if (d == Durability::flushed) sync_folder(folder_of(host));
  struct stat now;
  if (::fstat(fd.get(), &now) == 0) {
    internal::note_own_write(host, std::nullopt, internal::stamp_of(now));
    if (written) *written = internal::stamp_of(now);
  }
  return WriteStatus::written;
}

}  // namespace

void set_flush_to_disk(bool on) { flush_to_disk.store(on, std::memory_order_relaxed); }

void internal::remove_rewrite_leftovers(const std::string& host) {
  remove_leftovers(rewrite_target(host));
}

WriteStatus internal::replace_host_file(const std::string& host, std::string_view bytes,
                                        const ReplaceOptions& options,
                                        std::optional<FileStamp>* written) {
  if (host.empty()) return WriteStatus::failed;
  // A caller that asks about the version on disk gets the full rewrite.
  if (!options.still_current) {
    if (auto created = create_new(host, bytes, effective(options.durability), written)) return *created;
  }
  const std::string target = rewrite_target(host);
  std::optional<PathLock> lock;
  if (!options.lock_held) {
    lock.emplace(target, LockKind::exclusive);
    if (lock->status() == PathLock::Status::busy || lock->status() == PathLock::Status::failed)
      return WriteStatus::failed;
  }
  std::optional<struct stat> old;
  struct stat st;
  if (::stat(target.c_str(), &st) == 0) old = st;
  if (old && !S_ISREG(old->st_mode)) return WriteStatus::failed;
  std::optional<FileStamp> before;
  if (old) before = stamp_of(*old);
  if (options.still_current && !(*options.still_current)(before)) return WriteStatus::changed_on_disk;

  auto change = FolderChange::of_entry(target);
  const Durability durability = effective(options.durability);
  auto fresh = write_temporary(target, bytes, old, durability);
  if (!fresh) return WriteStatus::failed;
  if (::rename(fresh->temp.c_str(), target.c_str()) != 0) {
    ::unlink(fresh->temp.c_str());
    return WriteStatus::failed;
  }
  if (durability == Durability::flushed) sync_folder(folder_of(target));
  struct stat now;
  if (::fstat(fresh->fd.get(), &now) == 0) {
    note_own_write(host, before, stamp_of(now));
    if (written) *written = stamp_of(now);
  }
  if (!old) change.added(change.entry());
  change.commit();
  remove_leftovers(target);
  return WriteStatus::written;
}

// The streamed rewrite: the same temporary, lock, flush and rename as
// replace_host_file, with the content written in pieces.
struct ReplacingFile::State {
  std::string host;
  std::string target;
  std::string temp;
  Fd fd;
  Durability durability = Durability::flushed;
  std::string buffer;
  bool failed = false;
};

ReplacingFile::ReplacingFile() = default;
ReplacingFile::~ReplacingFile() { abandon(); }

bool ReplacingFile::open(std::string_view path, Durability durability) {
  abandon();
  auto state = std::make_unique<State>();
  state->host = to_host_path(path);
  if (state->host.empty()) return false;
  state->target = rewrite_target(state->host);
  state->temp = temporary_name(state->target);
  state->durability = effective(durability);
  state->fd.reset(::open(state->temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (!state->fd.valid()) return false;
  if (!internal::try_lock_exclusive(state->fd.get())) {
    ::unlink(state->temp.c_str());
    return false;
  }
  state_ = std::move(state);
  return true;
}

bool ReplacingFile::write(std::string_view bytes) {
  if (!state_ || state_->failed) return false;
  state_->buffer.append(bytes);
  if (state_->buffer.size() < kBufferBytes) return true;
  state_->failed = !internal::write_all(state_->fd.get(), state_->buffer);
  state_->buffer.clear();
  return !state_->failed;
}

bool ReplacingFile::commit() {
  if (!state_) return false;
  State& s = *state_;
  bool ok = !s.failed && internal::write_all(s.fd.get(), s.buffer);
  if (ok && s.durability == Durability::flushed) ok = ::fsync(s.fd.get()) == 0;
  internal::PathLock lock(s.target, internal::LockKind::exclusive);
  if (!lock.locked() && lock.status() != internal::PathLock::Status::absent) ok = false;
  std::optional<struct stat> old;
  struct stat st;
  if (ok && ::stat(s.target.c_str(), &st) == 0) old = st;
  if (old && !S_ISREG(old->st_mode)) ok = false;
  if (!ok) {
    abandon();
    return false;
  }
  carry_over(s.fd.get(), old);
  auto change = FolderChange::of_entry(s.target);
  if (::rename(s.temp.c_str(), s.target.c_str()) != 0) {
    abandon();
    return false;
  }
  if (s.durability == Durability::flushed) sync_folder(folder_of(s.target));
  struct stat now;
  if (::fstat(s.fd.get(), &now) == 0) {
    std::optional<FileStamp> before;
    if (old) before = internal::stamp_of(*old);
    internal::note_own_write(s.host, before, internal::stamp_of(now));
  }
  if (!old) change.added(change.entry());
  change.commit();
  remove_leftovers(s.target);
  state_.reset();
  return true;
}

void ReplacingFile::abandon() {
  if (!state_) return;
  ::unlink(state_->temp.c_str());
  state_.reset();
}

}  // namespace platform
