// Kept folder listings for the case-insensitive resolution of path components.
//
// A listing is trusted while its folder is the same folder (device and inode)
// with the same modification time to the nanosecond; anyone else's change to
// the folder moves that time and the folder is read anew. The platform's own
// changes update the listing and the time it was taken at, so that writing
// many new files into one folder reads the folder once, not once per file.
//
// The folder is examined before it is read, never after, so a change made
// while reading shows as a newer time next look-up. A change by someone else
// that lands between one of our own changes and the look at the folder after
// it, or within the same clock tick as our last look on a file system with
// coarse timestamps, is seen only when the folder changes again; names given
// with their exact case never depend on the listing.
#include "platform/folder_cache.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <iterator>
#include <unordered_map>
#include <unordered_set>

#include "platform/paths.h"
#include "platform/text.h"

namespace platform::internal {
namespace {

struct Stamp {
  long long dev = 0, ino = 0, sec = 0, nsec = 0;
  bool operator==(const Stamp&) const = default;
};

// Names hashed and compared without regard to case, so that one table
// holds each name once and finds every spelling of it.
struct NoCaseHash {
  std::size_t operator()(std::string_view name) const {
    std::size_t h = 14695981039346656037ull;
    for (char ch : name) {
      if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');  // as text::iequals
      h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
    }
    return h;
  }
};
struct NoCaseEqual {
  bool operator()(std::string_view a, std::string_view b) const { return text::iequals(a, b); }
};
using Names = std::unordered_multiset<std::string, NoCaseHash, NoCaseEqual>;

struct Listing {
  Stamp stamp;
  Names names;  // each entry once, in its own spelling
  std::uint64_t last_use = 0;
};

struct Cache {
  std::mutex mutex;
  std::unordered_map<std::string, Listing> folders;
  std::uint64_t clock = 0;
  std::size_t reads = 0;
};

Cache& cache() {
  static Cache c;
  return c;
}

// The key of a folder: its absolute host path without trailing slashes, so
// that a relative folder means the same after the current one changes.
std::string folder_key(const std::string& folder) {
  std::string key;
  if (folder.empty() || folder == ".") {
    key = current_directory();
  } else if (folder[0] != '/') {
    key = current_directory() + "/" + folder;
  } else {
    key = folder;
  }
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

std::optional<Stamp> stamp_of(const std::string& key) {
  struct stat st;
  if (::stat(key.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
  return Stamp{static_cast<long long>(st.st_dev), static_cast<long long>(st.st_ino),
               static_cast<long long>(st.st_mtim.tv_sec), static_cast<long long>(st.st_mtim.tv_nsec)};
}

// The time the kept listing of a folder was taken at, without a look.
std::optional<Stamp> kept_stamp(const std::string& key) {
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  auto kept = c.folders.find(key);
  if (kept == c.folders.end()) return std::nullopt;
  return kept->second.stamp;
}

// The kept entry spelled exactly as name, or end().
Names::iterator exact_entry(Listing& listing, std::string_view name) {
  auto [first, last] = listing.names.equal_range(std::string(name));
  for (auto at = first; at != last; ++at) {
    if (*at == name) return at;
  }
  return listing.names.end();
}

void add_name(Listing& listing, std::string_view name) {
  if (exact_entry(listing, name) == listing.names.end()) listing.names.emplace(name);
}

void remove_name(Listing& listing, std::string_view name) {
  auto at = exact_entry(listing, name);
  if (at != listing.names.end()) listing.names.erase(at);
}

// Reads the folder; nullopt when it cannot be opened.
std::optional<Listing> read_listing(const std::string& key, const Stamp& stamp) {
  DIR* dir = ::opendir(key.c_str());
  if (!dir) return std::nullopt;
  Listing listing;
  listing.stamp = stamp;
  while (dirent* e = ::readdir(dir)) {
    std::string_view entry = e->d_name;
    if (entry != "." && entry != "..") add_name(listing, entry);
  }
  ::closedir(dir);
  return listing;
}

// Makes room for one more listing by dropping the least recently used.
void make_room(Cache& c) {
  while (c.folders.size() >= kFolderListingLimit) {
    auto oldest = std::min_element(c.folders.begin(), c.folders.end(), [](const auto& a, const auto& b) {
      return a.second.last_use < b.second.last_use;
    });
    c.folders.erase(oldest);
  }
}

// The first spelling in byte order when several entries differ only in case.
std::optional<std::string> first_match(const Listing& listing, std::string_view name) {
  auto [first, last] = listing.names.equal_range(std::string(name));
  if (first == last) return std::nullopt;
  const std::string* best = &*first;
  for (auto at = std::next(first); at != last; ++at) {
    if (*at < *best) best = &*at;
  }
  return *best;
}

}  // namespace

std::optional<std::string> find_entry_nocase(const std::string& folder, std::string_view name,
                                             bool* folder_seen) {
  std::string key = folder_key(folder);
  std::optional<Stamp> stamp = stamp_of(key);
  if (folder_seen) *folder_seen = stamp.has_value();
  Cache& c = cache();
  if (!stamp) {
    std::lock_guard lock(c.mutex);
    c.folders.erase(key);
    return std::nullopt;
  }
  {
    std::lock_guard lock(c.mutex);
    auto kept = c.folders.find(key);
    if (kept != c.folders.end() && kept->second.stamp == *stamp) {
      kept->second.last_use = ++c.clock;
      return first_match(kept->second, name);
    }
  }
  // Read without holding the lock: a large folder takes a while.
  std::optional<Listing> listing = read_listing(key, *stamp);
  std::lock_guard lock(c.mutex);
  ++c.reads;
  if (!listing) {
    c.folders.erase(key);
    return std::nullopt;
  }
  std::optional<std::string> match = first_match(*listing, name);
  c.folders.erase(key);
  make_room(c);
  listing->last_use = ++c.clock;
  c.folders.emplace(std::move(key), std::move(*listing));
  return match;
}

FolderChange::FolderChange(std::string folder, FolderLook look) : key_(folder_key(folder)) {
  if (std::optional<Stamp> stamp = look == FolderLook::kept_listing ? kept_stamp(key_) : stamp_of(key_)) {
    seen_ = true;
    dev_ = stamp->dev;
    ino_ = stamp->ino;
    sec_ = stamp->sec;
    nsec_ = stamp->nsec;
  }
}

FolderChange FolderChange::of_entry(std::string_view host_path, FolderLook look) {
  size_t slash = host_path.rfind('/');
  std::string folder;
  if (slash != std::string_view::npos) folder = std::string(host_path.substr(0, slash == 0 ? 1 : slash));
  FolderChange change(std::move(folder), look);
  change.entry_ = std::string(slash == std::string_view::npos ? host_path : host_path.substr(slash + 1));
  return change;
}

void FolderChange::added(std::string_view name) { edits_.push_back({std::string(name), true}); }

void FolderChange::removed(std::string_view name) { edits_.push_back({std::string(name), false}); }

void FolderChange::commit() {
  if (!seen_) return;
  std::optional<Stamp> after = stamp_of(key_);
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  auto kept = c.folders.find(key_);
  if (kept == c.folders.end()) return;
  // Only a listing that was current before the change can be brought up to date.
  if (!after || !(kept->second.stamp == Stamp{dev_, ino_, sec_, nsec_})) {
    c.folders.erase(kept);
    return;
  }
  for (const Edit& edit : edits_) {
    if (edit.add) {
      add_name(kept->second, edit.name);
    } else {
      remove_name(kept->second, edit.name);
    }
  }
  kept->second.stamp = *after;
  edits_.clear();
}

void forget_folder_listings() {
  std::lock_guard lock(cache().mutex);
  cache().folders.clear();
}

std::size_t kept_folder_listings() {
  std::lock_guard lock(cache().mutex);
  return cache().folders.size();
}

std::size_t folder_reads() {
  std::lock_guard lock(cache().mutex);
  return cache().reads;
}

}  // namespace platform::internal
