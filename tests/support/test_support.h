// Shared test fixtures: a temporary root folder and a fresh headless UI host.
#pragma once
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/host.h"

namespace tw_test {

// A fresh temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  // path() + "/" + relative
  std::string file(std::string_view relative) const;

 private:
  std::string path_;
};

// Each test gets its own root folder (the Windows directory and drive c:)
// and a new headless host; the current directory is the root.
class Fixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  ui::HeadlessHost& ui() { return *host_; }
  const std::string& root() const { return dir_->path(); }
  std::string file(std::string_view relative) const { return dir_->file(relative); }

 private:
  std::unique_ptr<TempDir> dir_;
  ui::HeadlessHost* host_ = nullptr;
  std::string old_cwd_;
};

// Whole-file helpers over host paths.
std::string read_file(const std::string& host_path);
void write_file(const std::string& host_path, std::string_view bytes);
bool exists(const std::string& host_path);

// A disk that fills up part way: runs body in a child process whose files
// may not grow beyond limit bytes (writes past it fail, no signal), and
// returns the child's exit code, -1 when it did not exit normally. The
// child ends without running the parent's exit handlers.
int with_file_size_limit(std::size_t limit, const std::function<int()>& body);

}  // namespace tw_test
