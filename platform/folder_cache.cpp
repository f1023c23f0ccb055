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
//
// The run's output folder is the exception (trust_listing_of): a run creates
// thousands of pages there, and each look at the folder before and after a
// create was most of the cost of writing a page. Its listing is checked once
// per run and then kept up to date by the run's own changes alone; O_EXCL
// refuses a name someone else made meanwhile, and the refusal drops the
// listing. A name that someone else makes there while the run goes on, in a
// case other than the one the run looks for, is seen by the next run.
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

// Folder texts as callers spell them, and whether each names the trusted folder.
struct Spelling {
  std::string text;
  bool trusted;
};
inline constexpr std::size_t kSpellingLimit = 64;

struct Cache {
  std::mutex mutex;
  std::unordered_map<std::string, Listing> folders;
  std::uint64_t clock = 0;
  std::size_t reads = 0;
  std::string trusted;           // the key of the run's output folder, "" for none
  bool trusted_checked = false;  // its listing was checked against the folder this run
  std::vector<Spelling> spellings;  // of folders new files were created in, this run
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

// What a listing holds of name.
TrustedEntry classify(const Listing& listing, std::string_view name) {
  auto [first, last] = listing.names.equal_range(std::string(name));
  if (first == last) return TrustedEntry::absent;
  for (auto at = first; at != last; ++at) {
    if (*at == name) return TrustedEntry::exact;
  }
  return TrustedEntry::other_case;
}

// A time no folder has: the listing's own creates moved the folder's time
// without a look, so a look-up that checks the time reads the folder again.
constexpr Stamp kTimeUnknown{0, 0, 0, -1};

}  // namespace

std::optional<std::string> find_entry_nocase(const std::string& folder, std::string_view name,
                                             bool* folder_seen) {
  std::string key = folder_key(folder);
  Cache& c = cache();
  {
    // The run's output folder, once checked, answers from its listing.
    std::lock_guard lock(c.mutex);
    auto kept = c.trusted_checked && key == c.trusted ? c.folders.find(key) : c.folders.end();
    if (kept != c.folders.end()) {
      if (folder_seen) *folder_seen = true;
      kept->second.last_use = ++c.clock;
      return first_match(kept->second, name);
    }
  }
  std::optional<Stamp> stamp = stamp_of(key);
  if (folder_seen) *folder_seen = stamp.has_value();
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
  Cache& c = cache();
  bool trusted = false;
  {
    std::lock_guard lock(c.mutex);
    trusted = c.trusted_checked && key_ == c.trusted;
  }
  // The run's trusted listing takes its own changes without a look (see
  // trust_listing_of); any other only when it was current before the change.
  std::optional<Stamp> after = trusted ? std::optional(kTimeUnknown) : stamp_of(key_);
  std::lock_guard lock(c.mutex);
  auto kept = c.folders.find(key_);
  if (kept == c.folders.end()) return;
  if (!after || (!trusted && !(kept->second.stamp == Stamp{dev_, ino_, sec_, nsec_}))) {
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
  // A listing whose time is unknown stays so until it is read anew: the
  // trusted creates before this change were never checked against the folder.
  if (!(kept->second.stamp == kTimeUnknown)) kept->second.stamp = *after;
  edits_.clear();
}

void trust_listing_of(const std::string& folder) {
  std::string key = folder.empty() ? std::string() : folder_key(folder);
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  c.trusted = std::move(key);
  c.trusted_checked = false;
  c.spellings.clear();
}

std::optional<std::string> trusted_folder_spelled(std::string_view text) {
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  if (c.trusted.empty()) return std::nullopt;
  for (const Spelling& spelling : c.spellings) {
    if (spelling.text == text) return spelling.trusted ? std::optional(c.trusted) : std::nullopt;
  }
  return std::nullopt;
}

bool folder_spelling_known(std::string_view text) {
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  if (c.trusted.empty()) return true;  // nothing to learn
  for (const Spelling& spelling : c.spellings) {
    if (spelling.text == text) return true;
  }
  return false;
}

void note_folder_spelling(std::string_view text, const std::string& host) {
  std::string key = host.empty() ? std::string() : folder_key(host);
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  if (c.trusted.empty() || c.spellings.size() >= kSpellingLimit) return;
  c.spellings.push_back({std::string(text), !key.empty() && key == c.trusted});
}

TrustedEntry trusted_entry(const std::string& folder, std::string_view name) {
  std::string key = folder_key(folder);
  Cache& c = cache();
  {
    std::lock_guard lock(c.mutex);
    if (c.trusted.empty() || key != c.trusted) return TrustedEntry::untrusted;
    auto kept = c.folders.find(key);
    if (c.trusted_checked && kept != c.folders.end()) {
      kept->second.last_use = ++c.clock;
      return classify(kept->second, name);
    }
  }
  // The run's first use, or the listing was dropped: check it against the folder.
  bool seen = false;
  find_entry_nocase(key, name, &seen);
  if (!seen) return TrustedEntry::untrusted;
  std::lock_guard lock(c.mutex);
  auto kept = c.folders.find(key);
  if (key != c.trusted || kept == c.folders.end()) return TrustedEntry::untrusted;
  c.trusted_checked = true;
  return classify(kept->second, name);
}

void note_trusted_create(const std::string& folder, std::string_view name) {
  std::string key = folder_key(folder);
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  auto kept = c.folders.find(key);
  if (kept == c.folders.end()) return;
  if (key != c.trusted || !c.trusted_checked) {
    c.folders.erase(kept);  // not ours to keep up to date without a look
    return;
  }
  add_name(kept->second, name);
  kept->second.stamp = kTimeUnknown;
}

void distrust_listing(const std::string& folder) {
  std::string key = folder_key(folder);
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  c.folders.erase(key);
  if (key == c.trusted) c.trusted_checked = false;
}

void forget_folder_listings() {
  std::lock_guard lock(cache().mutex);
  cache().folders.clear();
  cache().trusted_checked = false;
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
