#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/ui/host.h"

namespace fs = std::filesystem;

namespace fuzz {
namespace {

std::string make_root() {
  std::string pattern = (fs::temp_directory_path() / "tw-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  return pattern;
}

void remove_root() {
  std::error_code ec;
  fs::current_path(fs::temp_directory_path(), ec);
  fs::remove_all(root(), ec);
}

}  // namespace

const std::string& root() {
  static const std::string folder = [] {
    std::string r = make_root();
    platform::set_root_folder(r);
    // Nothing else holds our files: a lock conflict is a finding, not a wait.
    platform::set_lock_wait(std::chrono::milliseconds(10));
    // The files are thrown away: waiting for the disk would make each
    // input cost a flush instead of microseconds.
    platform::set_flush_to_disk(false);
    fs::current_path(r);
    return r;
  }();
  static const bool cleanup_registered = [] { return std::atexit(remove_root) == 0; }();
  (void)cleanup_registered;
  return folder;
}

std::string in_root(std::string_view relative) { return root() + "/" + std::string(relative); }

void put_file(std::string_view relative, std::string_view bytes) {
  const fs::path p = in_root(relative);
  fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void fresh_host() { ui::set_host(std::make_unique<ui::HeadlessHost>()); }

InputScope::InputScope(ProfileCache cache) : cache_(cache) {
  root();
  static const bool first_host = (fresh_host(), true);
  (void)first_host;
}

InputScope::~InputScope() {
  if (cache_ == ProfileCache::dropped)
    platform::write_profile_string(std::nullopt, std::nullopt, std::nullopt, "");
  fresh_host();
}

}  // namespace fuzz
