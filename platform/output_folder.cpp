#include "platform/output_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <mutex>
#include <string>

#include "platform/folder_cache.h"
#include "platform/internal.h"
#include "platform/paths.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

struct OutputFolder {
  std::mutex mutex;
  fs::path folder;  // canonical host path; empty for none
};

OutputFolder& output() {
  static OutputFolder o;
  return o;
}

fs::path canonical_folder(const fs::path& p) {
  std::error_code ec;
  fs::path real = fs::weakly_canonical(p, ec);
  return (ec ? p : real).lexically_normal();
}

bool is_link(const std::string& host) {
  struct stat st;
  return ::lstat(host.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

}  // namespace

void set_output_folder(std::string_view folder) {
  const std::string typed = folder.empty() ? std::string() : to_host_path(folder);
  internal::trust_listing_of(typed);
  fs::path host = typed.empty() ? fs::path() : canonical_folder(typed);
  std::lock_guard lock(output().mutex);
  output().folder = host;
}

namespace internal {

std::string output_folder() {
  std::lock_guard lock(output().mutex);
  return output().folder.string();
}

bool is_output_link(const std::string& host) {
  if (host.empty() || !is_link(host)) return false;
  fs::path parent = canonical_folder(fs::path(host).parent_path());
  std::lock_guard lock(output().mutex);
  const fs::path& folder = output().folder;
  if (folder.empty()) return false;
  auto f = folder.begin(), p = parent.begin();
  for (; f != folder.end() && !f->empty(); ++f, ++p) {
    if (p == parent.end() || *f != *p) return false;
  }
  return true;
}

}  // namespace internal
}  // namespace platform
