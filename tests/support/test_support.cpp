#include "support/test_support.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/browser_launch.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace fs = std::filesystem;

namespace tw_test {

TempDir::TempDir() {
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path p = fs::temp_directory_path() / ("tw-test-" + std::to_string(rd()));
    if (fs::create_directory(p)) {
      path_ = p.string();
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempDir::file(std::string_view relative) const {
  return path_ + "/" + std::string(relative);
}

void Fixture::SetUp() {
  dir_ = std::make_unique<TempDir>();
  platform::set_root_folder(dir_->path());
  // Tests that hold a file locked need not wait long for the conflict.
  platform::set_lock_wait(std::chrono::milliseconds(100));
  // No test opens a real browser or asks the desktop which one it has.
  platform::set_url_opener([](const std::string&) { return platform::kExecSuccess; });
  platform::set_default_browser_query([] { return std::string(); });
  // TARVENWICK_UI_HOST=gui runs the same scripts through the GUI host.
  auto host = ui::make_scripted_host();
  host_ = host.get();
  ui::set_host(std::move(host));
  old_cwd_ = fs::current_path().string();
  fs::current_path(dir_->path());
}

void Fixture::TearDown() {
  fs::current_path(old_cwd_);
  ui::set_host(std::make_unique<ui::HeadlessHost>());
  host_ = nullptr;
  dir_.reset();
}

std::string read_file(const std::string& host_path) {
  std::ifstream in(host_path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void write_file(const std::string& host_path, std::string_view bytes) {
  fs::create_directories(fs::path(host_path).parent_path());
  std::ofstream out(host_path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool exists(const std::string& host_path) { return fs::exists(host_path); }

int with_file_size_limit(std::size_t limit, const std::function<int()>& body) {
  pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    r.rlim_cur = static_cast<rlim_t>(limit);
    setrlimit(RLIMIT_FSIZE, &r);
    _exit(body());
  }
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tw_test
