// The Windows private-profile (INI) functions.
#include "platform/profile.h"
#include "platform/profile_pins.h"

#include <sys/stat.h>
#include <time.h>

#include <memory>
#include <optional>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/internal.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace platform {
namespace {

constexpr size_t npos = std::string::npos;

enum class LineKind { blank, comment, section, key, other };

// One line of a profile file, kept byte for byte so that untouched lines
// survive a rewrite.
struct Line {
  std::string raw;    // without its line ending
  std::string eol;    // "\r\n", "\n", "\r", or "" for a last line without one
  LineKind kind = LineKind::other;
  std::string name;   // section or key name, trimmed
  std::string value;  // key value, trimmed, quotes kept
};

// Where the first section of a name starts, and the first line of each key
// in it (keys by lowered name).
struct SectionPlace {
  size_t header = 0;
  std::unordered_map<std::string, size_t> keys;
};

struct Profile {
  std::vector<Line> lines;
  std::string eol = "\r\n";  // line ending of new lines: the file's first one
  // The places of the sections by lowered name, kept true by every edit, so
  // that a record of many keys finds each one without walking the file.
  std::unordered_map<std::string, SectionPlace> sections;
};

bool is_space(char c) { return c == ' ' || c == '\t'; }

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && is_space(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_space(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view trim_blanks_right(std::string_view s) {
  while (!s.empty() && is_space(s.back())) s.remove_suffix(1);
  return s;
}

Line make_line(std::string raw, std::string eol) {
  Line line;
  line.raw = std::move(raw);
  line.eol = std::move(eol);
  std::string_view t = trim_blanks(line.raw);
  if (t.empty()) {
    line.kind = LineKind::blank;
  } else if (t[0] == ';') {
    line.kind = LineKind::comment;
  } else if (size_t close = t.rfind(']'); t[0] == '[' && close != std::string_view::npos) {
    line.kind = LineKind::section;
    line.name = std::string(trim_blanks(t.substr(1, close - 1)));
  } else if (size_t eq = t.find('='); eq != std::string_view::npos &&
                                      !trim_blanks(t.substr(0, eq)).empty()) {
    line.kind = LineKind::key;
    line.name = std::string(trim_blanks(t.substr(0, eq)));
    line.value = std::string(trim_blanks(t.substr(eq + 1)));
  }
  return line;
}

// Finds the places of every section and key anew.
void reindex(Profile& p) {
  p.sections.clear();
  SectionPlace* current = nullptr;  // null within a repeated section
  for (size_t i = 0; i < p.lines.size(); ++i) {
    const Line& line = p.lines[i];
    if (line.kind == LineKind::section) {
      auto [place, first] = p.sections.try_emplace(text::to_lower(line.name));
      if (first) place->second.header = i;
      current = first ? &place->second : nullptr;
    } else if (line.kind == LineKind::key && current) {
      current->keys.try_emplace(text::to_lower(line.name), i);
    }
  }
}

Profile parse(std::string_view bytes) {
  Profile p;
  bool eol_seen = false;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c != '\n' && c != '\r') continue;
    size_t len = (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    std::string eol(bytes.substr(i, len));
    if (!eol_seen) {
      p.eol = eol;
      eol_seen = true;
    }
    p.lines.push_back(make_line(std::string(bytes.substr(start, i - start)), std::move(eol)));
    i += len - 1;
    start = i + 1;
  }
  if (start < bytes.size()) p.lines.push_back(make_line(std::string(bytes.substr(start)), ""));
  reindex(p);
  return p;
}

std::string serialize(const Profile& p) {
  std::string out;
  for (const Line& line : p.lines) {
    out += line.raw;
    out += line.eol;
  }
  return out;
}

const SectionPlace* find_place(const Profile& p, std::string_view name) {
  auto found = p.sections.find(text::to_lower(name));
  return found == p.sections.end() ? nullptr : &found->second;
}

SectionPlace* find_place(Profile& p, std::string_view name) {
  auto found = p.sections.find(text::to_lower(name));
  return found == p.sections.end() ? nullptr : &found->second;
}

// Header index of the first section called name, or npos.
size_t find_section(const Profile& p, std::string_view name) {
  const SectionPlace* place = find_place(p, name);
  return place ? place->header : npos;
}

// One past the last line of the section whose header is at header.
size_t section_end(const Profile& p, size_t header) {
  size_t i = header + 1;
  while (i < p.lines.size() && p.lines[i].kind != LineKind::section) ++i;
  return i;
}

// The first key line called key in the first section called section.
size_t find_key(const Profile& p, std::string_view section, std::string_view key) {
  const SectionPlace* place = find_place(p, section);
  if (!place) return npos;
  auto found = place->keys.find(text::to_lower(key));
  return found == place->keys.end() ? npos : found->second;
}

const std::string* find_value(const Profile& p, std::string_view section, std::string_view key) {
  size_t i = find_key(p, section, key);
  return i == npos ? nullptr : &p.lines[i].value;
}

// Adds name to names unless it is there already (compared without case).
void add_unique(std::vector<std::string>& names, const std::string& name) {
  for (const auto& n : names) {
    if (text::iequals(n, name)) return;
  }
  names.push_back(name);
}

std::vector<std::string> section_names(const Profile& p) {
  std::vector<std::string> names;
  for (const Line& line : p.lines) {
    if (line.kind == LineKind::section && !line.name.empty()) add_unique(names, line.name);
  }
  return names;
}

std::vector<std::string> key_names(const Profile& p, std::string_view section) {
  std::vector<std::string> names;
  size_t header = find_section(p, section);
  if (header == npos) return names;
  size_t end = section_end(p, header);
  for (size_t i = header + 1; i < end; ++i) {
    if (p.lines[i].kind == LineKind::key) add_unique(names, p.lines[i].name);
  }
  return names;
}

std::string_view unquote(std::string_view v) {
  if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

int put_value(std::string_view value, std::string& out, int size) {
  out = text::cut(value, static_cast<size_t>(size - 1));
  return static_cast<int>(out.size());
}

// Names each followed by '\0' and one more '\0'; a list that does not fit
// is cut to size-2 bytes and closed with two '\0' (count size-2).
int put_list(const std::vector<std::string>& names, std::string& out, int size) {
  std::string all;
  for (const auto& name : names) {
    all += name;
    all += '\0';
  }
  if (all.size() + 1 <= static_cast<size_t>(size)) {
    out = all + '\0';
    return static_cast<int>(all.size());
  }
  if (size < 3) {
    out.assign(static_cast<size_t>(size), '\0');
    return 0;
  }
  out = all.substr(0, static_cast<size_t>(size - 2));
  out += '\0';
  out += '\0';
  return size - 2;
}

// --- Editing -------------------------------------------------------------

// Gives a last line without a line ending the file's one, before appending.
void end_last_line(Profile& p) {
  if (!p.lines.empty() && p.lines.back().eol.empty()) p.lines.back().eol = p.eol;
}

// Moves the places at or after line at down by one, for a line inserted there.
void shift_places(Profile& p, size_t at) {
  for (auto& [name, place] : p.sections) {
    if (place.header >= at) ++place.header;
    for (auto& [key, line] : place.keys)
      if (line >= at) ++line;
  }
}

// Inserts a line of the first section called section, before line at.
void insert_line(Profile& p, std::string_view section, size_t at, Line line) {
  const bool plain_key = line.kind == LineKind::key;
  std::string key = plain_key ? text::to_lower(line.name) : std::string();
  p.lines.insert(p.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
  SectionPlace* place = plain_key ? find_place(p, section) : nullptr;
  if (!place) {
    reindex(p);  // a value that made its line into something else
    return;
  }
  shift_places(p, at);
  place->keys.try_emplace(std::move(key), at);
}

bool set_value(Profile& p, std::string_view section, std::string_view key, std::string_view value) {
  std::string key_line = std::string(key) + "=" + std::string(value);
  size_t header = find_section(p, section);
  if (header == npos) {
    end_last_line(p);
    p.lines.push_back(make_line("[" + std::string(section) + "]", p.eol));
    p.lines.push_back(make_line(std::move(key_line), p.eol));
    reindex(p);
    return true;
  }
  size_t at = find_key(p, section, key);
  if (at != npos) {
    Line& line = p.lines[at];
    if (line.value == value) return false;
    Line changed = make_line(line.name + "=" + std::string(value), line.eol);
    const bool same_key = changed.kind == LineKind::key && changed.name == line.name;
    line = std::move(changed);
    if (!same_key) reindex(p);
    return true;
  }
  // After the section's last entry, before blank lines and comments that
  // may introduce the next section.
  size_t end = section_end(p, header);
  size_t insert = header + 1;
  for (size_t i = header + 1; i < end; ++i) {
    LineKind kind = p.lines[i].kind;
    if (kind == LineKind::key || kind == LineKind::other) insert = i + 1;
  }
  if (insert == p.lines.size()) end_last_line(p);
  insert_line(p, section, insert, make_line(std::move(key_line), p.eol));
  return true;
}

bool delete_key(Profile& p, std::string_view section, std::string_view key) {
  bool changed = false;
  for (size_t at; (at = find_key(p, section, key)) != npos; changed = true) {
    p.lines.erase(p.lines.begin() + static_cast<std::ptrdiff_t>(at));
    reindex(p);
  }
  return changed;
}

bool delete_section(Profile& p, std::string_view section) {
  bool changed = false;
  for (size_t header; (header = find_section(p, section)) != npos; changed = true) {
    p.lines.erase(p.lines.begin() + static_cast<std::ptrdiff_t>(header),
                  p.lines.begin() + static_cast<std::ptrdiff_t>(section_end(p, header)));
    reindex(p);
  }
  return changed;
}

// --- The cache ------------------------------------------------------------
// Parsed files keyed by host path. An entry is used without reading the
// file again only when the file's times are well before the moment it was
// read (file times are coarse); otherwise the bytes are compared.

struct CacheEntry {
  dev_t dev = 0;
  ino_t ino = 0;
  off_t size = 0;
  timespec mtime{}, ctime{};
  timespec read_time{};  // taken before the file was looked at
  std::string bytes;
  std::shared_ptr<const Profile> profile;
};

constexpr size_t kCacheLimit = 64;

// A file whose writes are gathered by a ProfileBatch and written once.
struct Pending {
  std::string file;  // the name the batch was opened with
  std::shared_ptr<Profile> profile;
  std::unique_ptr<internal::PathLock> lock;  // held from the first read to the write
  bool changed = false;
  int depth = 0;  // batches open on the file
};

// A file read under a ProfileReading: the profile its reads answer from.
struct Reading {
  std::string file;  // the name the scope was opened with
  std::shared_ptr<const Profile> profile;
  int depth = 0;
};

struct Cache {
  std::mutex mutex;
  std::unordered_map<std::string, CacheEntry> entries;
  std::unordered_map<std::string, Pending> pending;
  std::unordered_map<std::string, Reading> reading;  // by host path
  // Pinned values by "host\0section\0key" (section and key lowered).
  std::unordered_map<std::string, std::string> pins;
};

Cache& cache() {
  static Cache c;
  return c;
}

timespec now_realtime() {
  timespec t{};
  clock_gettime(CLOCK_REALTIME, &t);
  return t;
}

bool same_time(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool same_file(const CacheEntry& e, const struct stat& st) {
  return e.dev == st.st_dev && e.ino == st.st_ino && e.size == st.st_size &&
         same_time(e.mtime, st.st_mtim) && same_time(e.ctime, st.st_ctim);
}

// True when t is more than a second before reference.
bool well_before(const timespec& t, const timespec& reference) {
  return t.tv_sec + 1 < reference.tv_sec ||
         (t.tv_sec + 1 == reference.tv_sec && t.tv_nsec < reference.tv_nsec);
}

void remember(const std::string& host, const struct stat& st, timespec read_time,
              std::string bytes, std::shared_ptr<const Profile> profile) {
  Cache& c = cache();
  if (c.entries.size() >= kCacheLimit && !c.entries.count(host)) c.entries.clear();
  CacheEntry& e = c.entries[host];
  e.dev = st.st_dev;
  e.ino = st.st_ino;
  e.size = st.st_size;
  e.mtime = st.st_mtim;
  e.ctime = st.st_ctim;
  e.read_time = read_time;
  e.bytes = std::move(bytes);
  e.profile = std::move(profile);
}

std::shared_ptr<const Profile> empty_profile() {
  static const auto empty = std::make_shared<const Profile>();
  return empty;
}

// The parsed file (empty when it does not exist or cannot be read). A write
// passes fresh: it edits the file as it is, never a reading scope's snapshot.
std::shared_ptr<const Profile> load(const std::string& host, bool fresh = false) {
  timespec read_time = now_realtime();
  struct stat st;
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  if (auto pending = c.pending.find(host); pending != c.pending.end()) return pending->second.profile;
  if (auto read = c.reading.find(host);
      !fresh && read != c.reading.end() && read->second.profile)
    return read->second.profile;
  if (host.empty() || ::stat(host.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    c.entries.erase(host);
    return empty_profile();
  }
  auto it = c.entries.find(host);
  bool known = it != c.entries.end() && same_file(it->second, st);
  if (known && well_before(st.st_mtim, it->second.read_time) &&
      well_before(st.st_ctim, it->second.read_time)) {
    return it->second.profile;
  }
  auto bytes = internal::read_host_file(host);
  if (!bytes) {
    c.entries.erase(host);
    return empty_profile();
  }
  if (known && *bytes == it->second.bytes) {
    it->second.read_time = read_time;
    return it->second.profile;
  }
  auto profile = std::make_shared<const Profile>(parse(*bytes));
  remember(host, st, read_time, std::move(*bytes), profile);
  return profile;
}

bool store_locked(const std::string& host, Profile p, Durability durability, bool lock_held) {
  std::string bytes = serialize(p);
  timespec write_time = now_realtime();
  Cache& c = cache();
  internal::ReplaceOptions options;
  options.durability = durability;
  options.lock_held = lock_held;
  bool ok = internal::replace_host_file(host, bytes, options) == WriteStatus::written;
  struct stat st;
  if (!ok || ::stat(host.c_str(), &st) != 0) {
    c.entries.erase(host);
    if (auto read = c.reading.find(host); read != c.reading.end()) read->second.profile.reset();
    return ok;
  }
  auto profile = std::make_shared<const Profile>(std::move(p));
  if (auto read = c.reading.find(host); read != c.reading.end()) read->second.profile = profile;
  remember(host, st, write_time, std::move(bytes), std::move(profile));
  return true;
}

bool store(const std::string& host, Profile p, Durability durability, bool lock_held) {
  std::lock_guard lock(cache().mutex);
  return store_locked(host, std::move(p), durability, lock_held);
}

// Applies an edit to the file's gathered changes when a batch is open on it.
template <typename Edit>
std::optional<bool> edit_pending(const std::string& host, Edit edit) {
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  auto found = c.pending.find(host);
  if (found == c.pending.end()) return std::nullopt;
  found->second.changed = edit(*found->second.profile) || found->second.changed;
  return true;
}

std::string pin_name(const std::string& host, std::string_view section, std::string_view key) {
  return host + '\0' + text::to_lower(trim_blanks(section)) + '\0' + text::to_lower(trim_blanks(key));
}

// The value this process pinned for the key, if any.
std::optional<std::string> pinned(const std::string& host, std::string_view section, std::string_view key) {
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  if (c.pins.empty()) return std::nullopt;
  auto found = c.pins.find(pin_name(host, section, key));
  if (found == c.pins.end()) return std::nullopt;
  return found->second;
}

// A write of a pinned key moves the pin (a deleted key or section drops it).
void move_pin(const std::string& host, Nullable section, Nullable key, Nullable value) {
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  if (c.pins.empty() || !section) return;
  if (key) {
    auto found = c.pins.find(pin_name(host, *section, *key));
    if (found == c.pins.end()) return;
    if (value) found->second = std::string(*value);
    else c.pins.erase(found);
    return;
  }
  const std::string prefix = pin_name(host, *section, "");
  std::erase_if(c.pins, [&](const auto& pin) { return pin.first.starts_with(prefix); });
}

}  // namespace

bool write_pinned_profile_string(std::string_view section, std::string_view key,
                                 std::string_view value, std::string_view file) {
  if (!pin_profile_string(section, key, value, file)) return false;
  return write_profile_string(section, key, value, file);
}

bool pin_profile_string(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file) {
  const std::string host = profile_file_path(file);
  if (host.empty() || trim_blanks(key).empty()) return false;
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  c.pins[pin_name(host, section, key)] = std::string(value);
  return true;
}

void unpin_profile_string(std::string_view section, std::string_view key, std::string_view file) {
  const std::string host = profile_file_path(file);
  if (host.empty()) return;
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  c.pins.erase(pin_name(host, section, key));
}

void clear_profile_pins() {
  std::lock_guard lock(cache().mutex);
  cache().pins.clear();
}

std::string profile_file_path(std::string_view file) {
  if (file.empty()) return {};
  {
    // A file being read or written under a scope keeps the host path found
    // at its start, so that a record of many keys looks the path up once.
    Cache& c = cache();
    std::lock_guard lock(c.mutex);
    for (const auto& [host, read] : c.reading)
      if (read.file == file) return host;
    for (const auto& [host, pending] : c.pending)
      if (pending.file == file) return host;
  }
  bool bare = file.find_first_of("\\/") == std::string_view::npos &&
              !(file.size() >= 2 && file[1] == ':');
  if (bare) return to_host_path(windows_directory() + "/" + std::string(file));
  return to_host_path(file);
}

int get_profile_string(Nullable section, Nullable key, std::string_view default_value,
                       std::string& out, int size, std::string_view file) {
  out.clear();
  if (size <= 0) return 0;
  const std::string host = profile_file_path(file);
  auto profile = load(host);
  std::string_view fallback = trim_blanks_right(default_value);
  if (!section) return put_list(section_names(*profile), out, size);
  std::string_view name = trim_blanks(*section);
  if (!key) {
    auto keys = key_names(*profile, name);
    if (keys.empty()) return put_value(fallback, out, size);
    return put_list(keys, out, size);
  }
  std::string_view k = trim_blanks(*key);
  if (auto own = k.empty() ? std::nullopt : pinned(host, name, k))
    return put_value(unquote(*own), out, size);
  const std::string* value = k.empty() ? nullptr : find_value(*profile, name, k);
  return put_value(value ? unquote(*value) : fallback, out, size);
}

std::string get_profile_string(std::string_view section, std::string_view key,
                               std::string_view default_value, int size, std::string_view file) {
  std::string out;
  get_profile_string(Nullable(section), Nullable(key), default_value, out, size, file);
  return out;
}

int get_profile_int(std::string_view section, std::string_view key, int default_value,
                    std::string_view file) {
  const std::string host = profile_file_path(file);
  auto profile = load(host);
  std::string_view k = trim_blanks(key);
  std::optional<std::string> own = k.empty() ? std::nullopt : pinned(host, trim_blanks(section), k);
  const std::string* value = own ? &*own : k.empty() ? nullptr : find_value(*profile, trim_blanks(section), k);
  if (!value) return default_value;
  std::string_view v = unquote(*value);
  if (v.empty()) return default_value;
  return static_cast<int>(text::parse_int(v));
}

bool write_profile_string(Nullable section, Nullable key, Nullable value,
                          std::string_view file, Durability durability) {
  if (!section && !key && !value) {
    std::lock_guard lock(cache().mutex);
    cache().entries.clear();
    return true;
  }
  if (!section) return false;
  if (key && trim_blanks(*key).empty()) return false;
  std::string host = profile_file_path(file);
  if (host.empty()) return false;
  move_pin(host, section, key, value);
  auto edit = [&](Profile& p) {
    std::string_view name = trim_blanks(*section);
    if (!key) return delete_section(p, name);
    if (!value) return delete_key(p, name, trim_blanks(*key));
    return set_value(p, name, trim_blanks(*key), *value);
  };
  if (auto gathered = edit_pending(host, edit)) return *gathered;
  // Held from the read to the rewrite, so that another program's change
  // made meanwhile is not written over.
  internal::PathLock held(host, internal::LockKind::exclusive);
  if (held.status() == internal::PathLock::Status::busy ||
      held.status() == internal::PathLock::Status::failed)
    return false;
  Profile p = *load(host, true);
  return !edit(p) || store(host, std::move(p), durability, held.locked());
}

ProfileBatch::ProfileBatch(std::string_view file) : host_(profile_file_path(file)) {
  if (host_.empty()) return;
  {
    Cache& c = cache();
    std::lock_guard lock(c.mutex);
    if (auto found = c.pending.find(host_); found != c.pending.end()) {
      ++found->second.depth;
      return;
    }
  }
  auto held = std::make_unique<internal::PathLock>(host_, internal::LockKind::exclusive);
  if (held->status() == internal::PathLock::Status::busy ||
      held->status() == internal::PathLock::Status::failed) {
    failed_ = true;
  }
  auto profile = std::make_shared<Profile>(*load(host_, true));
  std::lock_guard lock(cache().mutex);
  Pending& pending = cache().pending[host_];
  pending.file = std::string(file);
  pending.profile = std::move(profile);
  pending.lock = std::move(held);
  pending.depth = 1;
}

ProfileBatch::~ProfileBatch() { commit(); }

bool ProfileBatch::commit() {
  if (done_ || host_.empty()) return !failed_;
  done_ = true;
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  auto found = c.pending.find(host_);
  if (found == c.pending.end()) return false;
  if (--found->second.depth > 0) return !failed_;
  Pending pending = std::move(found->second);
  c.pending.erase(found);
  if (failed_) return false;
  if (!pending.changed) {
    internal::remove_rewrite_leftovers(host_);
    return true;
  }
  return store_locked(host_, std::move(*pending.profile), Durability::flushed, pending.lock->locked());
}

ProfileReading::ProfileReading(std::string_view file) : host_(profile_file_path(file)) {
  if (host_.empty()) return;
  {
    Cache& c = cache();
    std::lock_guard lock(c.mutex);
    if (auto found = c.reading.find(host_); found != c.reading.end()) {
      ++found->second.depth;
      return;
    }
  }
  auto profile = load(host_);
  std::lock_guard lock(cache().mutex);
  Reading& read = cache().reading[host_];
  read.file = std::string(file);
  read.profile = std::move(profile);
  read.depth = 1;
}

ProfileReading::~ProfileReading() {
  if (host_.empty()) return;
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  auto found = c.reading.find(host_);
  if (found != c.reading.end() && --found->second.depth <= 0) c.reading.erase(found);
}

}  // namespace platform
