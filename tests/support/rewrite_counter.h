// Counts how often files of one folder are put in place (created, or
// replaced by a rename over them) while it lives, so that a test can tell
// one rewrite of a file from one per key.
#pragma once
#include <sys/inotify.h>
#include <unistd.h>

#include <climits>
#include <map>
#include <string>

namespace tw_test {

class RewriteCounter {
 public:
  explicit RewriteCounter(const std::string& folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ >= 0) inotify_add_watch(fd_, folder.c_str(), IN_CREATE | IN_MOVED_TO);
  }
  ~RewriteCounter() {
    if (fd_ >= 0) ::close(fd_);
  }
  RewriteCounter(const RewriteCounter&) = delete;
  RewriteCounter& operator=(const RewriteCounter&) = delete;

  // Times the file called name was put in place so far (-1 when the folder
  // cannot be watched).
  int count(const std::string& name) {
    if (fd_ < 0) return -1;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
      for (char* at = buffer; at < buffer + n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        if (event->len > 0) ++seen_[event->name];
        at += sizeof(inotify_event) + event->len;
      }
    }
    return seen_[name];
  }

 private:
  int fd_;
  std::map<std::string, int> seen_;
};

}  // namespace tw_test
