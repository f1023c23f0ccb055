// Paths as the system stores them, mapped onto the host file system.
#include "platform/paths.h"

#include "platform/name_spellings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/folder_cache.h"
#include "platform/internal.h"

namespace platform {
namespace {

struct PathState {
  std::mutex mutex;
  std::string root;                         // "" until set_root_folder
  std::array<std::optional<std::string>, 26> drives;  // explicit entries
  std::array<bool, 26> unmapped{};          // explicitly unmapped letters
  // The Windows directory found under windows_root: the profile functions
  // ask for it on every call, and it does not move while the root stays.
  std::string windows_root, windows_dir;
};

PathState& state() {
  static PathState s;
  return s;
}

bool is_drive_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

int drive_index(char letter) {
  if (!is_drive_letter(letter)) return -1;
  return (letter | 0x20) - 'a';
}

size_t last_separator(std::string_view path) { return path.find_last_of("\\/"); }

bool exists_host(const std::string& host) {
  struct stat st;
  return ::lstat(host.c_str(), &st) == 0;
}

bool is_dir_host(const std::string& host) {
  struct stat st;
  return ::stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Removes trailing slashes (but keeps "/").
std::string strip_trailing_slashes(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

// Lexically normal absolute form of a host path: no ".", "..", or doubled '/'.
std::string normalize_absolute(std::string_view host) {
  std::vector<std::string_view> parts;
  size_t i = 0;
  while (i < host.size()) {
    size_t j = host.find('/', i);
    if (j == std::string_view::npos) j = host.size();
    std::string_view part = host.substr(i, j - i);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    i = j + 1;
  }
  std::string out;
  for (auto part : parts) {
    out += '/';
    out += part;
  }
  return out.empty() ? "/" : out;
}

std::string make_absolute(std::string_view host) {
  if (host.empty()) return {};
  if (host[0] == '/') return normalize_absolute(host);
  return normalize_absolute(current_directory() + "/" + std::string(host));
}

std::string default_root() {
  if (const char* r = std::getenv("TARVENWICK_ROOT"); r && *r) return make_absolute(r);
  if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x) {
    return make_absolute(std::string(x) + "/tarvenwick");
  }
  const char* home = std::getenv("HOME");
  std::string h = (home && *home) ? home : "/tmp";
  return make_absolute(h + "/.local/share/tarvenwick");
}

// True when rest has a "." or ".." component.
bool has_dot_components(std::string_view rest) {
  size_t i = 0;
  while (i <= rest.size()) {
    size_t j = rest.find_first_of("\\/", i);
    if (j == std::string_view::npos) j = rest.size();
    std::string_view part = rest.substr(i, j - i);
    if (part == "." || part == "..") return true;
    i = j + 1;
  }
  return false;
}

// A name from a legacy project file in 8-bit bytes (code page 1252 or 1251)
// finds the entry whose UTF-8 name spells the same.
std::optional<std::string> find_legacy_spelling(const std::string& folder, std::string_view part) {
  for (const std::string& spelling : utf8_spellings(part))
    if (auto found = internal::find_entry_nocase(folder, spelling)) return found;
  return std::nullopt;
}

// Appends the components of rest (separated by '\' or '/') to base,
// resolving each existing one without regard to case. "." and ".." are
// taken lexically, as Windows does; ".." never climbs above base unless
// the path is relative.
std::string resolve_components(std::string base, std::string_view rest) {
  struct Level {
    size_t length;   // of base before the component was added
    bool resolving;  // whether lookups were still on before it
  };
  std::vector<Level> levels;
  bool resolving = true;
  size_t i = 0;
  while (i < rest.size()) {
    size_t j = rest.find_first_of("\\/", i);
    if (j == std::string_view::npos) j = rest.size();
    std::string_view part = rest.substr(i, j - i);
    i = j + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!levels.empty()) {
        base.resize(levels.back().length);
        resolving = levels.back().resolving;
        levels.pop_back();
      } else if (base.empty() || base == ".." ||
                 (base.size() > 3 && base.compare(base.size() - 3, 3, "/..") == 0)) {
        base += base.empty() ? ".." : "/..";  // a relative path climbing out
      }
      continue;
    }
    levels.push_back({base.size(), resolving});
    std::string folder = base;
    if (!base.empty() && base.back() != '/') base += '/';
    if (!resolving) {
      base += part;
      continue;
    }
    std::string exact = base + std::string(part);
    if (exists_host(exact)) {
      base = std::move(exact);
    } else if (auto found = internal::find_entry_nocase(folder, part)) {
      base += *found;
    } else if (auto legacy = find_legacy_spelling(folder, part)) {
      base += *legacy;
    } else {
      base += part;
      resolving = false;  // nothing exists below a missing component
    }
  }
  return base;
}

// True for a name the run's trusted output-folder listing holds exactly as
// spelled: a page the run made there needs no look before it is read.
bool is_trusted_entry(const std::string& host) {
  size_t slash = host.rfind('/');
  if (host.empty() || host[0] != '/' || slash + 1 >= host.size()) return false;
  std::string folder = host.substr(0, slash == 0 ? 1 : slash);
  return internal::trusted_entry(folder, std::string_view(host).substr(slash + 1)) ==
         internal::TrustedEntry::exact;
}

}  // namespace

std::optional<std::string> internal::fresh_output_path(std::string_view path) {
  size_t sep = last_separator(path);
  if (sep == std::string_view::npos || sep == 0) return std::nullopt;
  std::string_view dir = path.substr(0, sep), name = path.substr(sep + 1);
  if (name.empty() || name == "." || name == "..") return std::nullopt;
  // The folder as the run spells it is resolved once per run.
  if (!folder_spelling_known(dir)) note_folder_spelling(dir, to_host_path(dir));
  std::optional<std::string> folder = trusted_folder_spelled(dir);
  if (!folder || trusted_entry(*folder, name) != TrustedEntry::absent) return std::nullopt;
  for (const std::string& spelling : utf8_spellings(name)) {
    if (trusted_entry(*folder, spelling) != TrustedEntry::absent) return std::nullopt;
  }
  if (folder->back() != '/') *folder += '/';
  return *folder + std::string(name);
}

bool has_drive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' && is_drive_letter(path[0]);
}

bool internal::make_host_directories(const std::string& host) {
  if (is_dir_host(host)) return true;
  for (size_t i = 1; i <= host.size(); ++i) {
    if (i < host.size() && host[i] != '/') continue;
    std::string prefix = host.substr(0, i);
    if (is_dir_host(prefix)) continue;
    auto change = FolderChange::of_entry(prefix);
    if (::mkdir(prefix.c_str(), 0777) == 0) {
      change.added(change.entry());
      change.commit();
    } else if (errno != EEXIST) {
      return false;
    }
  }
  return is_dir_host(host);
}

bool is_separator(char c) { return c == '\\' || c == '/'; }

std::string_view directory_of(std::string_view path) {
  size_t pos = last_separator(path);
  return pos == std::string_view::npos ? std::string_view() : path.substr(0, pos);
}

std::string_view file_name_of(std::string_view path) {
  size_t pos = last_separator(path);
  return pos == std::string_view::npos ? path : path.substr(pos + 1);
}

std::string_view extension_of(std::string_view path) {
  std::string_view name = file_name_of(path);
  size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string replace_extension(std::string_view path, std::string_view ext) {
  std::string_view old = extension_of(path);
  std::string out(path.substr(0, path.size() - old.size()));
  out += ext;
  return out;
}

namespace {

// The real path as far as it exists, the rest made lexically normal.
std::filesystem::path resolved(std::string_view path) {
  std::filesystem::path host(to_host_path(path));
  if (host.is_relative()) host = std::filesystem::path(current_directory()) / host;
  std::error_code ec;
  std::filesystem::path real = std::filesystem::weakly_canonical(host, ec);
  return (ec ? host : real).lexically_normal();
}

}  // namespace

bool is_within(std::string_view folder, std::string_view path) {
  if (folder.empty() || path.empty()) return false;
  const std::filesystem::path base = resolved(folder);
  const std::filesystem::path target = resolved(path);
  auto b = base.begin(), t = target.begin();
  for (; b != base.end() && !b->empty(); ++b, ++t) {
    if (t == target.end() || *b != *t) return false;
  }
  return true;
}

std::string lower_unless_host_path(std::string_view path) {
  if (!has_drive(path) && path.find('/') != std::string_view::npos) return std::string(path);
  std::string out(path);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool is_absolute(std::string_view path) {
  return has_drive(path) || (!path.empty() && is_separator(path[0]));
}

std::string join_path(std::string_view dir, std::string_view name) {
  if (dir.empty()) return std::string(name);
  std::string out(dir);
  if (is_separator(out.back())) return out + std::string(name);
  size_t pos = last_separator(dir);
  out += (pos == std::string_view::npos) ? '\\' : dir[pos];
  out += name;
  return out;
}

std::string root_folder() {
  {
    std::lock_guard lock(state().mutex);
    if (!state().root.empty()) return state().root;
  }
  return default_root();
}

void set_root_folder(std::string host_folder) {
  std::string root = host_folder.empty() ? std::string() : make_absolute(host_folder);
  // Programs we start (the compiler stand-ins) share the caller's root.
  if (!root.empty()) ::setenv("TARVENWICK_ROOT", root.c_str(), 1);
  std::lock_guard lock(state().mutex);
  state().root = std::move(root);
}

std::string windows_directory() {
  std::string root = root_folder();
  {
    std::lock_guard lock(state().mutex);
    if (!state().windows_dir.empty() && state().windows_root == root) return state().windows_dir;
  }
  std::string dir = resolve_components(root, "windows");
  if (!is_dir_host(dir) && !internal::make_host_directories(dir)) return dir;
  std::lock_guard lock(state().mutex);
  state().windows_root = std::move(root);
  state().windows_dir = dir;
  return dir;
}

void set_drive(char letter, std::string host_folder) {
  int index = drive_index(letter);
  if (index < 0) return;
  std::lock_guard lock(state().mutex);
  if (host_folder.empty()) {
    state().drives[index].reset();
    state().unmapped[index] = true;
  } else {
    state().drives[index] = strip_trailing_slashes(make_absolute(host_folder));
    state().unmapped[index] = false;
  }
}

void reset_drives() {
  std::lock_guard lock(state().mutex);
  for (auto& d : state().drives) d.reset();
  state().unmapped.fill(false);
}

std::string drive_folder(char letter) {
  int index = drive_index(letter);
  if (index < 0) return {};
  {
    std::lock_guard lock(state().mutex);
    if (state().unmapped[index]) return {};
    if (state().drives[index]) return *state().drives[index];
  }
  if (index == 'c' - 'a') return root_folder();
  if (index == 'z' - 'a') return "/";
  return {};
}

std::string to_host_path(std::string_view path) {
  if (path.empty()) return {};
  std::string base;
  std::string_view rest = path;
  if (has_drive(path)) {
    std::string folder = drive_folder(path[0]);
    if (folder.empty()) {
      // An unmapped drive: keep the text, with host separators.
      std::string out(path);
      std::replace(out.begin(), out.end(), '\\', '/');
      return out;
    }
    base = folder;
    rest = path.substr(2);
  } else if (is_separator(path[0])) {
    base = "/";
  }
  // Fast path: the path exists as written.
  std::string direct = base;
  for (char c : rest) {
    char h = (c == '\\') ? '/' : c;
    if (h == '/' && !direct.empty() && direct.back() == '/') continue;
    if (h != '/' && !direct.empty() && direct.back() != '/' && direct.size() == base.size()) {
      direct += '/';
    }
    direct += h;
  }
  if (!has_dot_components(rest)) {
    if (is_trusted_entry(direct) || exists_host(direct)) return strip_trailing_slashes(direct);
    // A new file in a folder that exists as written: only its name needs a look-up.
    size_t slash = direct.rfind('/');
    if (slash != std::string::npos && slash + 1 < direct.size()) {
      std::string folder = direct.substr(0, slash == 0 ? 1 : slash);
      std::string_view name = std::string_view(direct).substr(slash + 1);
      bool folder_seen = false;
      auto found = internal::find_entry_nocase(folder, name, &folder_seen);
      if (folder_seen) {
        if (!found) found = find_legacy_spelling(folder, name);
        if (found) direct.replace(slash + 1, std::string::npos, *found);
        return direct;
      }
    }
  }
  std::string out = resolve_components(base, rest);
  return out.empty() ? std::string(".") : out;
}

std::string to_system_path(std::string_view host_path) {
  if (host_path.empty() || host_path[0] != '/') return std::string(host_path);
  std::string abs = normalize_absolute(host_path);
  // The drive whose folder is the longest prefix of the path.
  char best = 0;
  size_t best_len = 0;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    std::string folder = drive_folder(letter);
    if (folder.empty() || folder == "/") continue;
    folder = normalize_absolute(folder);
    bool inside = abs == folder ||
                  (abs.size() > folder.size() && abs.compare(0, folder.size(), folder) == 0 &&
                   abs[folder.size()] == '/');
    if (inside && folder.size() > best_len) {
      best = letter;
      best_len = folder.size();
    }
  }
  std::string rest = best ? abs.substr(best_len) : abs;
  std::replace(rest.begin(), rest.end(), '/', '\\');
  if (rest.empty()) rest = "\\";
  return std::string(1, best ? best : 'z') + ":" + rest;
}

std::string current_directory() {
  std::vector<char> buf(4096);
  while (::getcwd(buf.data(), buf.size()) == nullptr) {
    if (errno != ERANGE) return ".";
    buf.resize(buf.size() * 2);
  }
  return buf.data();
}

bool set_current_directory(std::string_view path) {
  std::string host = to_host_path(path);
  return !host.empty() && ::chdir(host.c_str()) == 0;
}

}  // namespace platform
