// Files and folders over system paths.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/folder_cache.h"
#include "platform/internal.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace platform {
namespace {

using internal::FolderChange;

using internal::Fd;
using internal::LockKind;

// Reads straight into the result; size_hint (the size the file had when it
// was looked at) sizes it once, so a large page is not grown by doubling.
std::optional<std::string> read_all_from_start(int fd, std::size_t size_hint = 0) {
  std::string out(size_hint + 1, '\0');  // a file grown since still fits its first read
  std::size_t have = 0;
  for (;;) {
    if (have == out.size()) out.resize(std::max<std::size_t>(out.size() * 2, 65536));
    ssize_t n = ::pread(fd, out.data() + have, out.size() - have, static_cast<off_t>(have));
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) break;
    have += static_cast<std::size_t>(n);
  }
  out.resize(have);
  return out;
}

std::optional<struct stat> stat_of(const std::string& host) {
  struct stat st;
  if (host.empty() || ::stat(host.c_str(), &st) != 0) return std::nullopt;
  return st;
}

std::optional<struct stat> lstat_of(const std::string& host) {
  struct stat st;
  if (host.empty() || ::lstat(host.c_str(), &st) != 0) return std::nullopt;
  return st;
}

// Case-insensitive match of '*' and '?' wildcards.
bool wildcard_match(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
  auto same = [](char a, char b) { return text::iequals(std::string_view(&a, 1), std::string_view(&b, 1)); };
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && same(pattern[p], name[n])))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// Windows matching: "x.*" also matches "x", and "x." matches only "x".
bool file_pattern_match(std::string_view pattern, std::string_view name) {
  bool no_dot = name.find('.') == std::string_view::npos;
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" && no_dot &&
      wildcard_match(pattern.substr(0, pattern.size() - 2), name)) {
    return true;
  }
  if (pattern.size() >= 2 && pattern.back() == '.' && pattern[pattern.size() - 2] != '.') {
    return no_dot && wildcard_match(pattern.substr(0, pattern.size() - 1), name);
  }
  return wildcard_match(pattern, name);
}

}  // namespace

bool internal::write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Files are replaced whole (see write_file), so a read needs no lock to see
// one version; the stamp is that of the file actually read.
std::optional<std::string> internal::read_host_file(const std::string& host,
                                                    std::optional<FileStamp>* stamp) {
  if (host.empty()) return std::nullopt;
  Fd fd(::open(host.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return std::nullopt;
  struct stat st;
  if (::fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  auto bytes = read_all_from_start(fd.get(), static_cast<std::size_t>(std::max<off_t>(st.st_size, 0)));
  if (bytes && stamp) *stamp = stamp_of(st);
  return bytes;
}

std::optional<std::string> read_file(std::string_view path, std::optional<FileStamp>* stamp) {
  return internal::read_host_file(to_host_path(path), stamp);
}

bool write_file(std::string_view path, std::string_view bytes, Durability durability) {
  internal::ReplaceOptions options;
  options.durability = durability;
  return internal::replace_host_file(to_host_path(path), bytes, options) == WriteStatus::written;
}

WriteStatus write_file_if(std::string_view path, std::string_view bytes,
                          const StillCurrent& still_current, std::optional<FileStamp>* written) {
  internal::ReplaceOptions options;
  options.still_current = &still_current;
  return internal::replace_host_file(to_host_path(path), bytes, options, written);
}

bool append_file(std::string_view path, std::string_view bytes) {
  std::string host = to_host_path(path);
  if (host.empty()) return false;
  auto change = FolderChange::of_entry(host);
  const int no_follow = internal::is_output_link(host) ? O_NOFOLLOW : 0;
  Fd fd(::open(host.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | no_follow, 0666));
  if (!fd.valid()) return false;
  change.added(change.entry());
  change.commit();
  if (!internal::lock_descriptor(fd.get(), LockKind::exclusive)) return false;
  bool ok = internal::write_all(fd.get(), bytes);
  return fd.close() && ok;
}

bool file_exists(std::string_view path) {
  auto st = stat_of(to_host_path(path));
  return st && S_ISREG(st->st_mode);
}

bool directory_exists(std::string_view path) {
  auto st = stat_of(to_host_path(path));
  return st && S_ISDIR(st->st_mode);
}

std::optional<std::uint64_t> file_size(std::string_view path) {
  auto st = stat_of(to_host_path(path));
  if (!st || !S_ISREG(st->st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st->st_size);
}

std::optional<std::int64_t> file_mtime(std::string_view path) {
  auto st = stat_of(to_host_path(path));
  if (!st) return std::nullopt;
  return static_cast<std::int64_t>(st->st_mtime);
}

bool remove_file(std::string_view path) {
  std::string host = to_host_path(path);
  auto st = lstat_of(host);
  if (!st || S_ISDIR(st->st_mode)) return false;
  if (S_ISREG(st->st_mode) && is_locked_by_other(host)) return false;
  auto change = FolderChange::of_entry(host);
  if (::unlink(host.c_str()) != 0) return false;
  change.removed(change.entry());
  change.commit();
  return true;
}

bool rename_file(std::string_view from, std::string_view to) {
  std::string source = to_host_path(from);
  auto src = lstat_of(source);
  if (!src) return false;
  if (S_ISREG(src->st_mode) && is_locked_by_other(source)) return false;
  std::string target = to_host_path(to);
  if (target.empty()) return false;
  if (auto dst = lstat_of(target)) {
    // Only a change of case of the same file may land on an existing name.
    if (dst->st_dev != src->st_dev || dst->st_ino != src->st_ino) return false;
    std::string_view folder = directory_of(target);
    target = std::string(folder) + "/" + std::string(file_name_of(to));
    if (target == source) return true;
  }
  auto leaving = FolderChange::of_entry(source);
  auto arriving = FolderChange::of_entry(target);
  if (::rename(source.c_str(), target.c_str()) != 0) return false;
  if (leaving.same_folder(arriving)) {
    leaving.removed(leaving.entry());
    leaving.added(arriving.entry());
    leaving.commit();
  } else {
    leaving.removed(leaving.entry());
    arriving.added(arriving.entry());
    leaving.commit();
    arriving.commit();
  }
  return true;
}

bool copy_file(std::string_view from, std::string_view to) {
  std::string source = to_host_path(from);
  auto src = stat_of(source);
  if (!src || !S_ISREG(src->st_mode)) return false;
  auto bytes = internal::read_host_file(source);
  if (!bytes) return false;
  std::string target = to_host_path(to);
  bool existed = stat_of(target).has_value();
  if (!write_file(to, *bytes)) return false;
  if (!existed) ::chmod(target.c_str(), src->st_mode & 0777);
  return true;
}

bool create_directories(std::string_view path) {
  std::string host = to_host_path(path);
  return !host.empty() && internal::make_host_directories(host);
}

bool remove_directory_tree(std::string_view path) {
  std::string host = to_host_path(path);
  auto st = lstat_of(host);
  if (!st || !S_ISDIR(st->st_mode) || host == "/") return false;
  auto change = FolderChange::of_entry(host);
  std::error_code ec;
  std::filesystem::remove_all(host, ec);
  if (ec) return false;
  change.removed(change.entry());
  change.commit();
  return true;
}

namespace {

// The files matching pattern, with their modification times when asked:
// one look at each entry that the listing does not describe, or whose time
// is wanted.
std::vector<FoundFile> list_files(std::string_view pattern, bool with_times) {
  size_t sep = pattern.find_last_of("\\/");
  std::string folder;
  std::string_view name = pattern;
  if (sep != std::string_view::npos) {
    folder = std::string(pattern.substr(0, sep + 1));
    name = pattern.substr(sep + 1);
  } else if (pattern.size() >= 2 && pattern[1] == ':') {
    folder = std::string(pattern.substr(0, 2));
    name = pattern.substr(2);
  }
  std::string host_dir = folder.empty() ? std::string(".") : to_host_path(folder);
  std::vector<FoundFile> found;
  if (name.empty()) return found;
  DIR* dir = ::opendir(host_dir.c_str());
  if (!dir) return found;
  while (dirent* e = ::readdir(dir)) {
    std::string_view entry = e->d_name;
    if (entry == "." || entry == ".." || !file_pattern_match(name, entry)) continue;
    // The listing says what most entries are; only links and file systems
    // that do not say need a look at the entry itself.
    bool regular = e->d_type == DT_REG;
    std::int64_t modified = 0;
    if (with_times || e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
      struct stat st;
      regular = ::fstatat(::dirfd(dir), e->d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
      modified = regular ? static_cast<std::int64_t>(st.st_mtim.tv_sec) : 0;
    }
    if (regular) found.push_back(FoundFile{std::string(entry), modified});
  }
  ::closedir(dir);
  std::sort(found.begin(), found.end(), [](const FoundFile& a, const FoundFile& b) {
    std::string la = text::to_lower(a.name), lb = text::to_lower(b.name);
    return la != lb ? la < lb : a.name < b.name;
  });
  return found;
}

// A file that does not exist yet is created on its own: O_EXCL refuses any
// entry that is there, a link included, so nothing needs a look first, and no
// one else had the file open. The folder's time before the change comes from
// the listing the path's look-up has just validated. The locked descriptor,
// or -1 when the name is taken or the file cannot be created (the ordinary
// open then tells).
int create_new_file(const std::string& host) {
  auto change = FolderChange::of_entry(host, internal::FolderLook::kept_listing);
  Fd fd(::open(host.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (!fd.valid()) return -1;
  change.added(change.entry());
  change.commit();
  // Another writer that opened it meanwhile holds it: the ordinary open waits.
  if (!internal::lock_descriptor(fd.get(), LockKind::exclusive)) return -1;
  return fd.release();
}

// A new page in the run's output folder, which the folder's trusted listing
// does not hold: created without a look at the name or the folder. A name
// that is there after all (made by someone else since the listing was
// checked) is refused by O_EXCL and drops the listing. The locked descriptor,
// or -1 when the path is not such a page or it cannot be created this way
// (the ordinary open then tells).
int create_fresh_output_file(std::string_view path) {
  std::optional<std::string> host = internal::fresh_output_path(path);
  if (!host) return -1;
  std::string folder(directory_of(*host));
  if (folder.empty()) folder = "/";
  Fd fd(::open(host->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (!fd.valid()) {
    if (errno == EEXIST) internal::distrust_listing(folder);
    return -1;
  }
  internal::note_trusted_create(folder, file_name_of(*host));
  if (!internal::lock_descriptor(fd.get(), LockKind::exclusive)) return -1;
  return fd.release();
}

}  // namespace

std::vector<std::string> find_files(std::string_view pattern) {
  std::vector<std::string> names;
  for (auto& file : list_files(pattern, false)) names.push_back(std::move(file.name));
  return names;
}

std::vector<FoundFile> find_files_with_times(std::string_view pattern) {
  return list_files(pattern, true);
}

ExclusiveFile::~ExclusiveFile() {
  if (fd_ >= 0) ::close(fd_);
}

std::unique_ptr<ExclusiveFile> ExclusiveFile::open(std::string_view path, OpenMode mode,
                                                   OpenStatus& status) {
  if (mode == OpenMode::write_truncate) {
    if (int created = create_fresh_output_file(path); created >= 0) {
      status = OpenStatus::ok;
      return std::unique_ptr<ExclusiveFile>(new ExclusiveFile(created));
    }
  }
  std::string host = to_host_path(path);
  status = OpenStatus::not_found;
  if (host.empty()) return nullptr;
  int flags = O_CLOEXEC;
  switch (mode) {
    case OpenMode::read: flags |= O_RDONLY; break;
    case OpenMode::write_truncate: flags |= O_WRONLY | O_CREAT; break;
    case OpenMode::read_write: flags |= O_RDWR; break;
    case OpenMode::append: flags |= O_WRONLY | O_APPEND | O_CREAT; break;
  }
  if (mode == OpenMode::write_truncate) {
    if (int created = create_new_file(host); created >= 0) {
      status = OpenStatus::ok;
      return std::unique_ptr<ExclusiveFile>(new ExclusiveFile(created));
    }
  }
  // A link in the output folder is replaced by the new file, and a page
  // rewritten there is never one reached through a link.
  if (mode != OpenMode::read && internal::is_output_link(host)) {
    if (mode == OpenMode::write_truncate) ::unlink(host.c_str());
    else flags |= O_NOFOLLOW;
  }
  // A file the open creates is an entry the folder's listing must show.
  std::optional<FolderChange> change;
  if (flags & O_CREAT) change.emplace(FolderChange::of_entry(host));
  // A rewrite may replace the file between open and lock: then try again.
  for (int attempt = 0; attempt < 5; ++attempt) {
    Fd fd(::open(host.c_str(), flags, 0666));
    if (!fd.valid()) {
      status = (errno == ENOENT || errno == ENOTDIR) ? OpenStatus::not_found : OpenStatus::failed;
      return nullptr;
    }
    if (change) {
      change->added(change->entry());
      change->commit();
      change.reset();
    }
    // The file is looked at once, under the lock: what it is and whether the
    // name still stands for it.
    if (!internal::lock_descriptor(fd.get(), LockKind::exclusive)) {
      status = errno == EWOULDBLOCK ? OpenStatus::sharing_violation : OpenStatus::failed;
      return nullptr;
    }
    struct stat opened;
    if (::fstat(fd.get(), &opened) != 0 || S_ISDIR(opened.st_mode)) {
      status = OpenStatus::failed;
      return nullptr;
    }
    auto current = stat_of(host);
    if (!current || current->st_ino != opened.st_ino || current->st_dev != opened.st_dev) continue;
    // A file that is empty already is left alone: truncating it would make
    // some file systems write it out at close as if it had been replaced.
    bool empty = S_ISREG(opened.st_mode) && opened.st_size == 0;
    if (mode == OpenMode::write_truncate && !empty && ::ftruncate(fd.get(), 0) != 0) {
      status = OpenStatus::failed;
      return nullptr;
    }
    status = OpenStatus::ok;
    return std::unique_ptr<ExclusiveFile>(new ExclusiveFile(fd.release()));
  }
  status = OpenStatus::failed;
  return nullptr;
}

bool ExclusiveFile::write(std::string_view bytes) { return internal::write_all(fd_, bytes); }

std::optional<std::string> ExclusiveFile::read_all() { return read_all_from_start(fd_); }

bool ExclusiveFile::replace_all(std::string_view bytes) {
  if (::lseek(fd_, 0, SEEK_SET) != 0 || !internal::write_all(fd_, bytes)) return false;
  return ::ftruncate(fd_, static_cast<off_t>(bytes.size())) == 0;
}

std::optional<FileStamp> ExclusiveFile::stamp() const {
  struct stat st;
  if (::fstat(fd_, &st) != 0) return std::nullopt;
  return internal::stamp_of(st);
}

bool is_locked_by_other(std::string_view path) {
  std::string host = to_host_path(path);
  if (host.empty()) return false;
  Fd fd(::open(host.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return false;
  int rc;
  do {
    rc = ::flock(fd.get(), LOCK_SH | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  return rc != 0 && errno == EWOULDBLOCK;
}

}  // namespace platform
